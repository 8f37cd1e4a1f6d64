#include "widgets/StatusPanels.h"

#include "widgets/TStatusBar.h"

namespace widgets {

void ConfigureStatusPanels(TStatusBar& bar) {
    bar.AddPanel(160, kPleaseConnectText, true);
    bar.AddPanel(110);
    bar.AddPanel(200);
    bar.AddPanel(50);
    bar.SetTag(0);
}

}  // namespace widgets
