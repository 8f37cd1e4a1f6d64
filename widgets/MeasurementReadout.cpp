#include "widgets/MeasurementReadout.h"

#include "widgets/TiSevenSegmentAnalog.h"

namespace widgets {

void ConfigureMeasurementReadout(TiSevenSegmentAnalog& readout, const ReadoutDesign& design) {
    readout.SetDigitCount(design.digits);
    readout.SetPrecision(design.precision);
    readout.SetShowSign(false);
    readout.SetLeadingStyle(TiLeadingStyle::ilsSpaces);
    readout.SetSegmentColor(QColor::fromRgb(design.segmentColour));
    readout.SetShowOffSegments(false);
    readout.SetSegmentSize(2);
    readout.SetSegmentSeperation(2);
    readout.SetSegmentMargin(6);
    readout.SetDigitSpacing(12);
    readout.SetBorderStyle(TiBorderStyle::ibsLowered);
    readout.SetAutoSize(true);
}

}  // namespace widgets
