// The painted read-out, checked pixel by pixel against the geometry it must have.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "PaintCounter.h"
#include "ReadoutFixture.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

using widgets_test::ConfigureAsVoltageReadout;
using widgets_test::DecodeVoltageReadout;

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kDimGreen = qRgb(0, 42, 0);  // each channel div 3

class VoltageReadout : public testing::Test {
  protected:
    void SetUp() override { ConfigureAsVoltageReadout(readout); }
    QImage Shown(double value) {
        readout.SetValue(value);
        return readout.RenderToImage();
    }
    TiSevenSegmentAnalog readout;
};

TEST_F(VoltageReadout, AutoSizesToTheProgramSizes) {
    EXPECT_EQ(readout.size(), QSize(160, 48));
    readout.SetDigitCount(4);
    readout.SetPrecision(1);
    EXPECT_EQ(readout.size(), QSize(128, 48));
    readout.SetAutoSize(false);
    readout.resize(200, 60);
    readout.SetDigitCount(5);
    EXPECT_EQ(readout.size(), QSize(200, 60));
}

TEST_F(VoltageReadout, FiveShowsBlankFiveMarkAndZeros) {
    const QImage image = Shown(5);
    EXPECT_EQ(DecodeVoltageReadout(image), " 5000");
    // The blank cell is background throughout.
    for (int y = 6; y < 42; ++y) {
        for (int x = 6; x < 26; ++x) {
            ASSERT_EQ(image.pixel(x, y), kBlack) << x << "," << y;
        }
    }
    // "5": segment a lit, segment b unlit and not drawn.
    EXPECT_EQ(image.pixel(38 + 10, 6 + 1), kGreen);
    EXPECT_EQ(image.pixel(38 + 17, 6 + 8), kBlack);
    // Period: a 4 x 4 block from x 62 (8 left of the third cell), rows 32..36 of the cell.
    EXPECT_EQ(image.pixel(62, 6 + 32), kGreen);
    EXPECT_EQ(image.pixel(66, 6 + 36), kGreen);
    EXPECT_EQ(image.pixel(61, 6 + 34), kBlack);
    EXPECT_EQ(image.pixel(67, 6 + 34), kBlack);
    EXPECT_EQ(image.pixel(64, 6 + 20), kBlack);
    // The sunken edge: dark at the top-left, light at the bottom-right.
    EXPECT_EQ(image.pixel(0, 0), readout.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(159, 47), readout.palette().color(QPalette::Light).rgb());
}

TEST_F(VoltageReadout, SegmentEdgesFollowTheirCornerPoints) {
    const QImage image = Shown(8);  // " 8000"
    const int left = 38;
    const int top = 6;
    // Segment a spans (2,0)-(17,0) on its top row and narrows to (6,4)-(13,4): no anti-aliasing,
    // so the corner pixels are exactly lit and their outside neighbours exactly background.
    EXPECT_EQ(image.pixel(left + 2, top), kGreen);
    EXPECT_EQ(image.pixel(left + 17, top), kGreen);
    EXPECT_EQ(image.pixel(left + 1, top), kBlack);
    EXPECT_EQ(image.pixel(left + 18, top), kBlack);
    EXPECT_EQ(image.pixel(left + 6, top + 4), kGreen);
    EXPECT_EQ(image.pixel(left + 13, top + 4), kGreen);
    EXPECT_EQ(image.pixel(left + 5, top + 4), kBlack);
    // Segment g's left tip at (2,17).
    EXPECT_EQ(image.pixel(left + 2, top + 17), kGreen);
    EXPECT_EQ(image.pixel(left + 1, top + 17), kBlack);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool border = x < 2 || y < 2 || x >= 158 || y >= 46;
            ASSERT_TRUE(border || pixel == kBlack || pixel == kGreen) << x << "," << y;
        }
    }
}

struct ShownCase {
    double value;
    const char* cells;
};

TEST_F(VoltageReadout, ShowsMagnitudeOrArrows) {
    const ShownCase cases[] = {
        {12.3456, "12346"},      {0.0004, " 0000"},
        {-0.0042, " 0004"},      {99.9996, "^^^^^"},
        {-123.4, "vvvvv"},       {-std::numeric_limits<double>::infinity(), "vvvvv"},
        {std::nan(""), "^^^^^"}, {2e15, "^^^^^"},
        {36, "36000"},
    };
    for (const ShownCase& c : cases) {
        EXPECT_EQ(DecodeVoltageReadout(Shown(c.value)), c.cells) << c.value;
    }
}

TEST_F(VoltageReadout, UnlitSegmentsAndPowerOffUseTheDividedColour) {
    readout.SetShowOffSegments(true);
    QImage image = Shown(5);
    EXPECT_EQ(image.pixel(38 + 17, 6 + 8), kDimGreen);  // segment b of "5"
    EXPECT_EQ(image.pixel(6 + 10, 6 + 17), kDimGreen);  // blank cell, segment g
    EXPECT_EQ(image.pixel(38 + 10, 6 + 1), kGreen);

    readout.SetAutoSegmentOffColor(false);
    readout.SetSegmentOffColor(QColor(10, 20, 30));
    image = readout.RenderToImage();
    EXPECT_EQ(image.pixel(38 + 17, 6 + 8), qRgb(10, 20, 30));

    readout.SetShowOffSegments(false);
    readout.SetAutoSegmentOffColor(true);
    readout.SetPowerOff(true);
    image = readout.RenderToImage();
    EXPECT_EQ(image.pixel(38 + 10, 6 + 1), kDimGreen);  // lit segment a, dimmed
    EXPECT_EQ(image.pixel(64, 6 + 34), kDimGreen);      // the period too
    EXPECT_EQ(image.pixel(38 + 17, 6 + 8), kBlack);     // unlit b still not drawn
}

TEST_F(VoltageReadout, CommaLocaleDrawsTheComma) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QImage image = Shown(5);
    QLocale::setDefault(saved);
    EXPECT_EQ(DecodeVoltageReadout(image), " 5000");
    // Comma: block rows 22..26 across x 62..66, tail rows 26..32 across x 64..66.
    EXPECT_EQ(image.pixel(62, 6 + 24), kGreen);
    EXPECT_EQ(image.pixel(65, 6 + 30), kGreen);
    EXPECT_EQ(image.pixel(62, 6 + 30), kBlack);
    EXPECT_EQ(image.pixel(63, 6 + 35), kBlack);  // no period
}

TEST(SevenSegmentValue, WritesClampAndSameValueDoesNotRepaint) {
    TiSevenSegmentAnalog readout;
    readout.SetValue(2e15);
    EXPECT_EQ(readout.Value(), 1e15);
    readout.SetValue(-2e15);
    EXPECT_EQ(readout.Value(), -2e15);
    readout.SetValue(std::nan(""));
    EXPECT_EQ(readout.Value(), 1e15);
    readout.SetValue(0.12345678);
    EXPECT_EQ(readout.Value(), 0.12345678);  // stored unrounded

    widgets_test::PaintCounter paints(readout);
    readout.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&readout));
    QTRY_VERIFY(paints.count() >= 1);
    paints.reset();
    readout.SetValue(3);
    QTRY_COMPARE(paints.count(), 1);
    readout.SetValue(3);
    paints.flush();
    EXPECT_EQ(paints.count(), 1);
}

// A read-out whose drawing fails part-way.
class FailingReadout : public TiSevenSegmentAnalog {
  protected:
    void paintReadout(QPainter& painter) const override {
        TiSevenSegmentAnalog::paintReadout(painter);
        throw std::runtime_error("segment table missing");
    }
};

TEST(SevenSegmentValue, DrawingFailureShowsTheMessageOnBlack) {
    FailingReadout readout;
    readout.SetSegmentColor(QColor(255, 0, 0));
    readout.SetValue(88.88);
    const QImage image = readout.RenderToImage();
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_NE(qRed(pixel) > 0 && qGreen(pixel) == 0, true) << "half-drawn segment left";
            white += pixel == qRgb(255, 255, 255);
        }
    }
    EXPECT_GT(white, 10);
}

}  // namespace
