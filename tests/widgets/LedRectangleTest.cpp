// The lamp's fill, edge, reflection and caption, read back from its pixels.
#include <gtest/gtest.h>

#include <QTest>

#include "PaintCounter.h"
#include "QtPrinters.h"
#include "widgets/TiLedRectangle.h"

namespace {

QImage Painted(TiLedRectangle& lamp) {
    return lamp.grab().toImage();
}

struct FillCase {
    QColor activeColor;
    bool active;
    bool autoInactive;
    QColor expected;
};

TEST(LedRectangle, FillColour) {
    const QColor red(255, 0, 0);
    const QColor navy(0, 0, 128);
    const QColor lime(0, 255, 0);
    const FillCase cases[] = {
        {red, false, true, QColor(85, 0, 0)},
        {navy, false, true, QColor(0, 0, 42)},  // the unlit OVP and OCP lamps
        {red, true, true, red},
        {lime, false, true, QColor(0, 85, 0)},
        {QColor(100, 200, 7), false, true, QColor(33, 66, 2)},
        {red, false, false, QColor(1, 2, 3)},  // InactiveColor, set below
    };
    for (const FillCase& c : cases) {
        TiLedRectangle lamp;
        lamp.resize(41, 20);
        lamp.SetInactiveColor(QColor(1, 2, 3));
        lamp.SetActiveColor(c.activeColor);
        lamp.SetAutoInactiveColor(c.autoInactive);
        lamp.SetActive(c.active);
        EXPECT_EQ(Painted(lamp).pixelColor(20, 10), c.expected)
            << c.activeColor.name().toStdString();
    }
}

TEST(LedRectangle, EdgeAndReflection) {
    TiLedRectangle lamp;
    lamp.resize(41, 20);
    QImage image = Painted(lamp);  // sunken by default, reflection on
    const QColor fill(0, 85, 0);
    EXPECT_EQ(image.pixel(0, 0), lamp.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(40, 19), lamp.palette().color(QPalette::Light).rgb());
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 3), fill);
    EXPECT_EQ(image.pixelColor(3, 4), fill);

    lamp.SetShowReflection(false);
    lamp.SetBevelStyle(TiBorderStyle::ibsRaised);
    image = Painted(lamp);
    EXPECT_EQ(image.pixelColor(3, 3), fill);
    EXPECT_EQ(image.pixel(0, 0), lamp.palette().color(QPalette::Light).rgb());

    lamp.SetBevelStyle(TiBorderStyle::ibsNone);
    image = Painted(lamp);
    EXPECT_EQ(image.pixelColor(0, 0), fill);
    EXPECT_EQ(image.pixelColor(40, 19), fill);
}

// Pixels of the caption colour inside the 3D edge, and the leftmost and rightmost column
// holding one.
struct CaptionInk {
    int count = 0;
    int left = 1000;
    int right = -1;
};

CaptionInk InkOf(const QImage& image, const QColor& ink) {
    CaptionInk found;
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (image.pixel(x, y) == ink.rgb()) {
                ++found.count;
                found.left = std::min(found.left, x);
                found.right = std::max(found.right, x);
            }
        }
    }
    return found;
}

class OvpLamp : public testing::Test {
  protected:
    void SetUp() override {
        lamp.resize(41, 20);
        lamp.SetActiveColor(QColor(0, 0, 128));
        lamp.SetBevelStyle(TiBorderStyle::ibsRaised);
        lamp.SetShowReflection(false);
        QFont font = lamp.font();
        font.setPointSize(8);
        font.setBold(true);
        lamp.SetCenterLabelFont(font);
        lamp.SetCenterLabelFontActiveColor(QColor(255, 255, 0));
        lamp.SetCenterLabelFontInactiveColor(QColor(255, 255, 255));
    }
    TiLedRectangle lamp;
};

TEST_F(OvpLamp, CaptionInItsColourAndCentred) {
    lamp.SetCenterLabelText("OVP");
    const CaptionInk unlit = InkOf(Painted(lamp), Qt::white);
    ASSERT_GT(unlit.count, 5);
    // Centred: about as much room left as right of the ink.
    EXPECT_LE(std::abs(unlit.left - (40 - unlit.right)), 3) << unlit.left << " " << unlit.right;

    lamp.SetActiveColor(QColor(255, 0, 0));
    lamp.SetActive(true);
    const QImage lit = Painted(lamp);
    EXPECT_GT(InkOf(lit, QColor(255, 255, 0)).count, 5);
    EXPECT_EQ(InkOf(lit, Qt::white).count, 0);

    lamp.SetCenterLabelAlignment(TiAlignmentHorizontal::iahLeft);
    const CaptionInk left = InkOf(Painted(lamp), QColor(255, 255, 0));
    EXPECT_GE(left.left, 5 + 2);
    EXPECT_LE(left.left, 5 + 3);
}

TEST_F(OvpLamp, BlankCaptionDrawsNothing) {
    const QImage none = Painted(lamp);
    for (const char* blank : {"   ", " \t "}) {
        lamp.SetCenterLabelText(blank);
        EXPECT_EQ(Painted(lamp), none) << '"' << blank << '"';
    }
}

TEST(LedRectangleActive, NotifiesAndRepaintsOnlyOnChange) {
    TiLedRectangle lamp;
    int changes = 0;
    lamp.OnChange = [&](TiLedRectangle* sender) {
        EXPECT_EQ(sender, &lamp);
        ++changes;
    };
    widgets_test::PaintCounter paints(lamp);
    lamp.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lamp));
    QTRY_VERIFY(paints.count() >= 1);
    paints.reset();

    lamp.SetActive(true);
    EXPECT_EQ(changes, 1);
    QTRY_COMPARE(paints.count(), 1);
    lamp.SetActive(true);
    paints.flush();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(paints.count(), 1);
    lamp.SetActive(false);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(lamp.Active());
}

}  // namespace
