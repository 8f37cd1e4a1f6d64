// The float spin edit: value in the text, clamping, stepping, key filter, focus loss, look.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "QtPrinters.h"
#include "widgets/SetpointEdit.h"
#include "widgets/SpinEditLayout.h"
#include "widgets/TFlatSpinEditFloat.h"

namespace {

// Sets the default locale for one test and puts the previous one back.
class ScopedLocale {
  public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(saved_); }

  private:
    QLocale saved_;
};

class VoltageBox : public testing::Test {
  protected:
    // The voltage box of the main window: 0..36, step 0.5, three decimals.
    void SetUp() override { widgets::ConfigureSetpointEdit(box, widgets::kVoltageEditDesignMax); }
    ScopedLocale locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    TFlatSpinEditFloat box;
};

TEST(FlatSpinEdit, NewBoxAndUnlimitedRange) {
    ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    TFlatSpinEditFloat box;
    EXPECT_EQ(box.Text(), "0.00");
    EXPECT_EQ(box.Value(), 0);
    box.SetFloatFormat(TFloatFormat::ffFixed);
    box.SetValue(-1e6);  // MinValue == MaxValue: nothing is clamped
    EXPECT_EQ(box.Value(), -1e6);
    EXPECT_EQ(box.Text(), "-1000000.00");
}

TEST_F(VoltageBox, WritesClampAndFormat) {
    const struct {
        double written;
        const char* text;
    } cases[] = {
        {1.2, "1.200"}, {36, "36.000"}, {40, "36.000"}, {-3, "0.000"}, {12.3456, "12.346"},
    };
    for (const auto& c : cases) {
        box.SetValue(c.written);
        EXPECT_EQ(box.Text(), c.text) << c.written;
    }
}

TEST_F(VoltageBox, ReadsTheTextNotAStoredNumber) {
    box.SetMinValue(1);
    const struct {
        const char* text;
        double value;
    } cases[] = {{"(5)", -5}, {"", 1}, {"abc", 1}, {"50", 50}, {" 2.5 ", 2.5}};
    for (const auto& c : cases) {
        box.SetText(c.text);
        EXPECT_EQ(box.Value(), c.value) << c.text;  // not clamped on reading
    }
}

TEST_F(VoltageBox, LimitsAreStoredOnlyFormatPropertiesRewrite) {
    box.SetValue(30);
    box.SetMaxValue(20);
    EXPECT_EQ(box.Text(), "30.000");
    box.SetDigits(1);
    EXPECT_EQ(box.Text(), "20.0");
    box.SetText("12.3456");
    box.SetPrecision(3);
    EXPECT_EQ(box.Text(), "12.3");
}

TEST_F(VoltageBox, CommaLocaleFormatsWithComma) {
    ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    box.SetValue(1.2);
    EXPECT_EQ(box.Text(), "1,200");
    EXPECT_EQ(box.Value(), 1.2);
}

struct StepCase {
    const char* start;
    Qt::Key key;
    const char* text;
};

TEST_F(VoltageBox, ArrowKeysAndButtonsStepWithinTheLimits) {
    const StepCase cases[] =
        {
            {"35.8", Qt::Key_Up, "36.000"}, {"0.2", Qt::Key_Down, "0.000"},
            {"1", Qt::Key_Up, "1.500"},     {"1", Qt::Key_Down, "0.500"},
            {"junk", Qt::Key_Up, "0.500"},  // unreadable text steps from MinValue
        };
    const widgets::SpinEditLayout layout = widgets::LayoutSpinEdit(box.size());
    for (const StepCase& c : cases) {
        box.SetText(c.start);
        QTest::keyClick(&box, c.key);
        EXPECT_EQ(box.Text(), c.text) << c.start << " by key";

        box.SetText(c.start);
        const QRect button = c.key == Qt::Key_Up ? layout.upButton : layout.downButton;
        QTest::mouseClick(&box, Qt::LeftButton, {}, button.center());
        EXPECT_EQ(box.Text(), c.text) << c.start << " by button";
    }
}

TEST_F(VoltageBox, StepWhileReadOnlyOnlyBeeps) {
    QSignalSpy beeps(&box, &TFlatSpinEditFloat::beeped);
    box.SetValue(5);
    box.SetReadOnly(true);
    QTest::keyClick(&box, Qt::Key_Up);
    QTest::mouseClick(&box, Qt::LeftButton, {},
                      widgets::LayoutSpinEdit(box.size()).downButton.center());
    EXPECT_EQ(box.Text(), "5.000");
    EXPECT_EQ(beeps.count(), 2);
}

TEST_F(VoltageBox, ReleasingOffTheButtonDoesNotStep) {
    box.SetValue(5);
    const widgets::SpinEditLayout layout = widgets::LayoutSpinEdit(box.size());
    QTest::mousePress(&box, Qt::LeftButton, {}, layout.upButton.center());
    QTest::mouseRelease(&box, Qt::LeftButton, {}, layout.text.center());
    EXPECT_EQ(box.Text(), "5.000");
}

TEST_F(VoltageBox, HeldButtonRepeatsAfter400ThenEvery100Ms) {
    box.SetValue(0);
    const QPoint up = widgets::LayoutSpinEdit(box.size()).upButton.center();
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(&box, Qt::LeftButton, {}, up);
    EXPECT_EQ(box.Text(), "0.000");  // pressing alone does not step
    QTRY_COMPARE_WITH_TIMEOUT(box.Text(), QString("0.500"), 2000);
    const qint64 firstStep = clock.elapsed();
    QTRY_COMPARE_WITH_TIMEOUT(box.Text(), QString("1.000"), 2000);
    const qint64 secondStep = clock.elapsed();
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_GE(firstStep, 395);
    EXPECT_GE(secondStep - firstStep, 95);
    EXPECT_LT(secondStep - firstStep, 400);
}

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool editorEnabled;
    bool refused;
    char seen;  // what the key handler receives when the key passes
};

TEST_F(VoltageBox, KeyFilterRefusesWithABeepAndHidesTheKey) {
    const KeyCase cases[] = {
        {Qt::Key_5, {}, true, false, '5'},
        {Qt::Key_Plus, {}, true, false, '+'},
        {Qt::Key_Minus, {}, true, false, '-'},
        {Qt::Key_Period, {}, true, false, '.'},
        {Qt::Key_Backspace, {}, true, false, '\b'},
        {Qt::Key_C, Qt::ControlModifier, true, false, '\x03'},
        {Qt::Key_A, {}, true, true, 0},
        {Qt::Key_Comma, {}, true, true, 0},  // not this locale's separator
        {Qt::Key_Space, {}, true, true, 0},
        {Qt::Key_Return, {}, true, true, 0},
        {Qt::Key_Enter, {}, true, true, 0},
        {Qt::Key_5, {}, false, true, 0},
        {Qt::Key_Period, {}, false, true, 0},
        {Qt::Key_Backspace, {}, false, true, 0},
        {Qt::Key_V, Qt::ControlModifier, false, false, '\x16'},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " editor " << c.editorEnabled);
        box.SetEditorEnabled(c.editorEnabled);
        box.SetText("12");
        QSignalSpy beeps(&box, &TFlatSpinEditFloat::beeped);
        std::vector<char> seen;
        box.OnKeyPress = [&](TFlatSpinEditFloat*, char& key) { seen.push_back(key); };
        QTest::keyClick(&box, c.key, c.modifiers);
        EXPECT_EQ(beeps.count(), c.refused ? 1 : 0);
        if (c.refused) {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(box.Text(), "12");
        } else {
            EXPECT_EQ(seen, std::vector<char>{c.seen});
        }
    }
}

TEST_F(VoltageBox, TypedKeysReachTheTextAndTheHandlerCanCancel) {
    box.SetText("");
    box.OnKeyPress = [](TFlatSpinEditFloat* sender, char& key) {
        if (key == '.' && sender->Text().contains('.')) {
            key = 0;  // one decimal point only
        }
    };
    QTest::keyClicks(&box, "1.2.5x");
    EXPECT_EQ(box.Text(), "1.25");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.Text(), "1.2");
}

TEST(FlatSpinEditKeys, CommaLocaleTakesTheComma) {
    ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    TFlatSpinEditFloat box;
    box.SetText("");
    QSignalSpy beeps(&box, &TFlatSpinEditFloat::beeped);
    QTest::keyClicks(&box, "1,5.");
    EXPECT_EQ(box.Text(), "1,5");
    EXPECT_EQ(beeps.count(), 1);
}

// A window holding the box and a second field to move the focus to.
class FocusedVoltageBox : public testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        box = new TFlatSpinEditFloat(&window);
        other = new QLineEdit(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        widgets::ConfigureSetpointEdit(*box, widgets::kVoltageEditDesignMax);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TypeThenLeave(const char* typed) {
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        box->SetText(typed);
        other->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(other->hasFocus());
    }
    QLineEdit* editorOf() { return box->findChild<QLineEdit*>(); }

    ScopedLocale locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    QWidget window;
    TFlatSpinEditFloat* box = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(FocusedVoltageBox, LeavingClampsOutOfRangeAndKeepsTypedTextInRange) {
    const struct {
        const char* typed;
        const char* after;
    } cases[] = {{"40", "36.000"}, {"12.5", "12.5"}, {"-1", "0.000"}, {"", ""}, {"x", "x"}};
    for (const auto& c : cases) {
        TypeThenLeave(c.typed);
        EXPECT_EQ(box->Text(), c.after) << c.typed;
    }
}

TEST_F(FocusedVoltageBox, EnteringSelectsAllAndTurnsTheBoxWhite) {
    box->SetValue(7);
    box->SetColorFlat(QColor(212, 208, 200));
    other->setFocus(Qt::TabFocusReason);  // showing the window focused the box first
    QTRY_VERIFY(other->hasFocus());
    EXPECT_EQ(box->grab().toImage().pixel(1, 1), qRgb(212, 208, 200));
    box->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(editorOf()->selectedText(), QString("7.000"));
    const QImage focused = box->grab().toImage();
    EXPECT_EQ(focused.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(focused.pixel(0, 0), QColor(160, 150, 131).rgb());  // the border line
}

// Switching to another program and back, or opening the box's own context menu, takes the
// focus away and gives it back without the operator leaving the box.
TEST_F(FocusedVoltageBox, FocusThatComesBackIsNotLeavingNorEntering) {
    box->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(box->hasFocus());
    box->SetText("40");
    editorOf()->end(false);  // caret after the typing, nothing selected

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_EQ(box->Text(), "40");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTRY_VERIFY(box->hasFocus());
    QCoreApplication::processEvents();  // a selection would be made after the focus event
    EXPECT_EQ(box->Text(), "40");
    EXPECT_TRUE(editorOf()->selectedText().isEmpty()) << editorOf()->selectedText().toStdString();

    for (const QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent menu(type, Qt::PopupFocusReason);
        QApplication::sendEvent(editorOf(), &menu);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(box->Text(), "40");
    EXPECT_TRUE(editorOf()->selectedText().isEmpty()) << editorOf()->selectedText().toStdString();

    other->setFocus(Qt::TabFocusReason);  // leaving for another control clamps
    QTRY_VERIFY(other->hasFocus());
    EXPECT_EQ(box->Text(), "36.000");
}

TEST(FlatSpinEditLook, HeightFollowsTheFont) {
    TFlatSpinEditFloat box;
    const int expected = QFontMetrics(box.font()).height() + 7;
    EXPECT_EQ(box.height(), expected);
    box.resize(89, 5);
    EXPECT_EQ(box.height(), expected);
    QFont big = box.font();
    big.setPointSize(24);
    box.setFont(big);
    EXPECT_EQ(box.height(), QFontMetrics(big).height() + 7);
}

TEST(FlatSpinEditLook, StepStripGeometry) {
    const widgets::SpinEditLayout layout = widgets::LayoutSpinEdit(QSize(89, 26));
    EXPECT_EQ(layout.inner, QRect(3, 3, 83, 20));
    EXPECT_EQ(layout.upButton, QRect(64, 3, 11, 20));
    EXPECT_EQ(layout.downButton, QRect(74, 3, 11, 20));
    EXPECT_EQ(layout.text, QRect(3, 3, 58, 20));
    EXPECT_EQ(widgets::StepGlyphBox(layout.upButton), QRect(67, 5, 5, 3));
}

TEST(FlatSpinEditLook, ButtonsShowArrowsAndPressedState) {
    TFlatSpinEditFloat box;
    box.resize(89, box.height());
    box.SetColorFlat(QColor(212, 208, 200));
    const widgets::SpinEditLayout layout = widgets::LayoutSpinEdit(box.size());
    const QRect up = widgets::StepGlyphBox(layout.upButton);
    const QRect down = widgets::StepGlyphBox(layout.downButton);
    const QRgb black = qRgb(0, 0, 0);

    QImage image = box.grab().toImage();
    EXPECT_EQ(image.pixel(up.left() + 2, up.top()), black);  // up: apex on top
    EXPECT_NE(image.pixel(up.left(), up.top()), black);
    EXPECT_EQ(image.pixel(up.left(), up.bottom()), black);
    EXPECT_EQ(image.pixel(down.left(), down.top()), black);  // down: base on top
    EXPECT_NE(image.pixel(down.left(), down.bottom()), black);
    EXPECT_EQ(image.pixel(layout.upButton.left(), layout.upButton.top() + 10),
              QColor(160, 150, 131).rgb());  // idle frame in ColorBorder

    QTest::mousePress(&box, Qt::LeftButton, {}, layout.upButton.center());
    image = box.grab().toImage();
    EXPECT_EQ(image.pixel(up.left() + 3, up.top() + 1), black);  // glyph moved right and down
    EXPECT_EQ(image.pixel(layout.upButton.left() + 5, layout.upButton.bottom() - 3),
              qRgb(217, 214, 197));
    EXPECT_EQ(image.pixel(layout.upButton.left(), layout.upButton.top() + 10), black);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(1, 1));
}

}  // namespace
