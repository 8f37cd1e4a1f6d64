#pragma once
// The look the panel gives its measurement read-outs: 2-pixel segments on black with a
// sunken border, unlit segments not drawn, no sign, leading blanks; and what each of the
// three read-outs shows.

#include <QColor>

class TiSevenSegmentAnalog;

namespace widgets {

struct ReadoutDesign {
    int digits;
    int precision;
    QRgb segmentColour;
};

inline constexpr ReadoutDesign kVoltageReadout{5, 3, qRgb(0, 128, 0)};  // isvnsgmntnlg1
inline constexpr ReadoutDesign kCurrentReadout{5, 3, qRgb(0, 128, 0)};  // isvnsgmntnlg2
inline constexpr ReadoutDesign kPowerReadout{4, 1, qRgb(255, 255, 0)};  // iSevenSegmentAnalog1

void ConfigureMeasurementReadout(TiSevenSegmentAnalog& readout, const ReadoutDesign& design);

}  // namespace widgets
