// The lamp's fill, edge, reflection and caption, read back from its pixels.
#include <gtest/gtest.h>

#include <QPainter>
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

// The rows holding ink (pixels unlike the background) between columns left and right.
struct InkRows {
    int top = -1;
    int bottom = -1;
    int Height() const { return top < 0 ? 0 : bottom - top + 1; }
};

InkRows InkRowsOf(const QImage& image, QRgb background, int left, int right) {
    InkRows rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right; ++x) {
            if (image.pixel(x, y) != background) {
                rows.top = rows.top < 0 ? y : rows.top;
                rows.bottom = y;
                break;
            }
        }
    }
    return rows;
}

TEST_F(OvpLamp, TallCaptionIsDrawnWholeAndCentred) {
    // Full blocks fill the font's whole line height, so any clipping of the caption box
    // shows as a missing row of ink above or below. Both odd and even heights are tried.
    const QString blocks = QStringLiteral("\u2588\u2588");
    lamp.resize(41, 60);
    lamp.SetBevelStyle(TiBorderStyle::ibsNone);
    lamp.SetCenterLabelText(blocks);
    for (int pixels = 13; pixels <= 24; ++pixels) {
        QFont font = lamp.font();
        font.setPixelSize(pixels);
        lamp.SetCenterLabelFont(font);
        const QImage image = Painted(lamp);
        const QRgb background = image.pixel(1, 1);
        const InkRows drawn = InkRowsOf(image, background, 7, 34);

        // The same text drawn freely, far from any edge.
        QImage free(100, 100, QImage::Format_ARGB32_Premultiplied);
        free.fill(background);
        {
            QPainter painter(&free);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(QPoint(10, 60), blocks);
        }
        const InkRows whole = InkRowsOf(free, background, 0, free.width());
        ASSERT_GT(whole.Height(), pixels / 2) << pixels;
        EXPECT_EQ(drawn.Height(), whole.Height()) << "pixel size " << pixels;
        // Centred: the rows left free above and below differ by one at most.
        EXPECT_LE(std::abs(drawn.top - (lamp.height() - 1 - drawn.bottom)), 1)
            << "pixel size " << pixels << ": " << drawn.top << ".." << drawn.bottom;
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
