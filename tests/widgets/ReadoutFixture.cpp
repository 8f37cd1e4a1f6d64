#include "ReadoutFixture.h"

#include "widgets/MeasurementReadout.h"
#include "widgets/SevenSegmentGlyphs.h"

namespace widgets_test {

void ConfigureAsVoltageReadout(TiSevenSegmentAnalog& readout) {
    widgets::ConfigureMeasurementReadout(readout, widgets::kVoltageReadout);
}

char DecodeCell(const QImage& image, int left, int top, QRgb background) {
    auto lit = [&](int x, int y) { return image.pixel(left + x, top + y) != background; };
    // One pixel well inside each segment a..g of a 20 x 36 cell with bars 4 thick.
    const QPoint segmentCentres[7] = {{10, 2}, {17, 8}, {17, 26}, {10, 33},
                                      {2, 26}, {2, 8},  {10, 17}};
    int mask = 0;
    for (int i = 0; i < 7; ++i) {
        if (lit(segmentCentres[i].x(), segmentCentres[i].y())) {
            mask |= 1 << i;
        }
    }
    // These two pixels lie inside the arrows and outside every segment.
    const bool up = lit(9, 13);
    const bool down = lit(9, 23);
    if (up && !down) {
        return '^';
    }
    if (down && !up) {
        return 'v';
    }
    if (up || down) {
        return '?';
    }
    for (char c = '0'; c <= '9'; ++c) {
        if (widgets::DigitSegments(c) == mask) {
            return c;
        }
    }
    return mask == 0 ? ' ' : '?';
}

std::string DecodeVoltageReadout(const QImage& image) {
    std::string cells;
    const QRgb background = qRgb(0, 0, 0);
    for (int left : {6, 38, 70, 102, 134}) {
        cells.push_back(DecodeCell(image, left, 6, background));
    }
    return cells;
}

}  // namespace widgets_test
