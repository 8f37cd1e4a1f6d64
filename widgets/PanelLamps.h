#pragma once
// The design settings of the main window's lamps: the OVP and OCP trip lamps of the
// measurement group (captioned, raised, navy while idle and red once tripped) and the output
// lamp of the output group (lowered, no caption).

#include <QColor>

class TiLedRectangle;

namespace widgets {

struct TripLampDesign {
    const char* caption;
    int captionEndsMargin;
};

inline constexpr TripLampDesign kOvpLamp{"OVP", 5};  // iLedRectangle1
inline constexpr TripLampDesign kOcpLamp{"OCP", 1};  // iLedRectangle2

// The lit colour of a trip lamp: navy at design time and while not tripped, red once tripped.
inline constexpr QRgb kTripLampIdleColour = qRgb(0, 0, 128);
inline constexpr QRgb kTripLampTrippedColour = qRgb(255, 0, 0);

void ConfigureTripLamp(TiLedRectangle& lamp, const TripLampDesign& design);
void ConfigureOutputLamp(TiLedRectangle& lamp);

}  // namespace widgets
