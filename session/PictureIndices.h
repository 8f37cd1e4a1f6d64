#pragma once
// Which picture of the main window's two image lists shows what. The main window draws the
// lists in this order; its toolbar, its status bar and the reply dispatcher pick pictures by
// these names.

namespace pictures {

// il2: the toolbar's 56 x 56 pictures.
enum ToolbarPicture : int {
    kToolbarPartedPlug = 0,       // btn1, disconnect
    kToolbarJoinedPlug = 1,       // btn16, connect
    kToolbarQuestionMark = 2,     // btn17, About
    kToolbarSerialConnector = 3,  // btn13, port dialog
    kToolbarArrowUp = 4,          // btn12, recall
    kToolbarArrowDown = 5,        // btn2, save
    kToolbarUnused6 = 6,
    kToolbarPowerSymbol = 7,  // ToolButton1, exit
    kToolbarWordLow = 8,      // btn20 while a click switches to the low range
    kToolbarWordHigh = 9,     // btn20 while a click switches to the high range
    kToolbarUnused10 = 10,
    kToolbarPictureCount
};

// il1: the status bar's 12 x 12 link pictures. stat1's tag holds the one panel 0 shows.
enum StatusPicture : int {
    kStatusPartedPlug = 0,  // not connected
    kStatusJoinedPlug = 1,  // link confirmed
    kStatusRedCross = 2,    // the link's health warns: lost, silent or unreadable
    kStatusPictureCount
};

}  // namespace pictures
