// The memory slot box: clamping, the keys it takes, applying and restoring, its menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QMenu>
#include <QTest>

#include "QtPrinters.h"
#include "widgets/SlotBox.h"
#include "widgets/TiIntegerOutput.h"

namespace {

class SlotBox : public testing::Test {
  protected:
    void SetUp() override {
        widgets::ConfigureSlotBox(box);  // -1..99, as the slot dialog has it
        box.SetValue(7);
    }
    void TypeAtEnd(const char* keys) {
        box.end(false);
        QTest::keyClicks(&box, keys);
    }
    void LoseFocus(Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(&box, &out);
    }
    TiIntegerOutput box;
};

TEST_F(SlotBox, ValueWritesClamp) {
    const struct {
        int written;
        int held;
        const char* text;
    } cases[] = {{150, 99, "99"}, {-5, -1, "-1"}, {0, 0, "0"}, {42, 42, "42"}};
    for (const auto& c : cases) {
        box.SetValue(c.written);
        EXPECT_EQ(box.Value(), c.held) << c.written;
        EXPECT_EQ(box.text(), c.text) << c.written;
    }
    TiIntegerOutput unlimited;  // limits both 0: nothing is clamped
    unlimited.SetValue(-100000);
    EXPECT_EQ(unlimited.Value(), -100000);
}

TEST_F(SlotBox, TypedKeysDigitsOnlyEnterApplies) {
    const struct {
        const char* start;
        const char* typed;
        const char* shown;  // after Enter
        int value;
    } cases[] = {
        {"", "150", "99", 99},     // clamped on applying, text rebuilt
        {"", "1a-2 .", "12", 12},  // letters, minus, blank and point refused
        {"", "007", "7", 7},       // no leading zeros
        {"3", "", "3", 3},
        {"", "", "7", 7},  // empty does not parse: back to the applied text
        {"", "99999999999", "7", 7},
    };
    for (const auto& c : cases) {
        box.SetValue(7);
        box.setText(c.start);
        TypeAtEnd(c.typed);
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_EQ(box.text(), c.shown) << c.typed;
        EXPECT_EQ(box.Value(), c.value) << c.typed;
        EXPECT_EQ(box.selectedText(), box.text());
    }
}

TEST_F(SlotBox, EscapeAndCtrlZRestoreBackspaceDeletes) {
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Escape, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_Z, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
        TypeAtEnd("3");
        EXPECT_EQ(box.text(), "73");
        QTest::keyClick(&box, key, modifiers);
        EXPECT_EQ(box.text(), "7");
        EXPECT_EQ(box.Value(), 7);
    }
    TypeAtEnd("4");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "");
}

TEST_F(SlotBox, LeavingApplies) {
    TypeAtEnd("0");
    LoseFocus(Qt::PopupFocusReason);  // its own context menu opening is not leaving
    EXPECT_EQ(box.Value(), 7);
    LoseFocus(Qt::ActiveWindowFocusReason);  // nor is switching to another program
    EXPECT_EQ(box.Value(), 7);
    EXPECT_EQ(box.text(), "70");
    LoseFocus(Qt::TabFocusReason);
    EXPECT_EQ(box.Value(), 70);
    EXPECT_EQ(box.text(), "70");
}

TEST_F(SlotBox, ContextMenuEntries) {
    TypeAtEnd("5");
    box.selectAll();
    const std::unique_ptr<QMenu> menu = box.CreateContextMenu();
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        entries << (action->isSeparator() ? QString("-") : action->text());
    }
    EXPECT_EQ(entries.join('|'), "Apply|Undo|-|Cut|Copy|Paste|Delete|-|Select All");
    EXPECT_TRUE(menu->actions().at(1)->isEnabled());  // the text differs from the applied one
    menu->actions().at(0)->trigger();
    EXPECT_EQ(box.Value(), 75);
}

}  // namespace
