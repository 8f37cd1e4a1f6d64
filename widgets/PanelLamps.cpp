#include "widgets/PanelLamps.h"

#include <QFont>

#include "widgets/TiLedRectangle.h"

namespace widgets {

void ConfigureTripLamp(TiLedRectangle& lamp, const TripLampDesign& design) {
    lamp.SetActiveColor(QColor::fromRgb(kTripLampIdleColour));
    lamp.SetBevelStyle(TiBorderStyle::ibsRaised);
    lamp.SetCenterLabelText(design.caption);
    QFont font("Sans Serif");
    font.setPointSize(8);
    font.setBold(true);
    lamp.SetCenterLabelFont(font);
    lamp.SetCenterLabelFontActiveColor(Qt::yellow);
    lamp.SetCenterLabelFontInactiveColor(Qt::white);
    lamp.SetCenterLabelEndsMargin(design.captionEndsMargin);
    lamp.SetShowReflection(false);
}

void ConfigureOutputLamp(TiLedRectangle& lamp) {
    lamp.SetBevelStyle(TiBorderStyle::ibsLowered);
    lamp.SetShowReflection(false);
    lamp.SetCenterLabelWordWrap(true);
}

}  // namespace widgets
