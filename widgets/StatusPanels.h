#pragma once
// The main window's status bar panels, counted from 0: the link state (picture and text, drawn
// by the window), the voltage range, the device version and the SCPI version.

class TStatusBar;

namespace widgets {

enum StatusPanel : int {
    kLinkPanel = 0,
    kRangePanel = 1,
    kDevicePanel = 2,
    kScpiPanel = 3,
};

// The link panel's design text, shown again whenever the link is closed.
inline constexpr char kPleaseConnectText[] = "Please Connect Device";

// Adds the four panels with their widths and design texts, and the design tag 0.
void ConfigureStatusPanels(TStatusBar& bar);

}  // namespace widgets
