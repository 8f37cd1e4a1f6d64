#pragma once
// The look the panel gives its measurement read-outs: 2-pixel segments on black with a
// sunken border, unlit segments not drawn, no sign, leading blanks.

#include <QColor>

class TiSevenSegmentAnalog;

namespace widgets {

void ConfigureMeasurementReadout(TiSevenSegmentAnalog& readout, int digits, int precision,
                                 const QColor& segmentColour);

}  // namespace widgets
