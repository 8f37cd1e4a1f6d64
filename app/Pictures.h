#pragma once
// The main window's pictures, drawn at run time: the link pictures of the status bar
// (il1, 12 x 12) and the toolbar pictures (il2, 56 x 56).

#include "session/PictureIndices.h"
#include "widgets/TImageList.h"

namespace pictures {

// Each picture at its StatusPicture index: parted plug, joined plug, red cross.
TImageList MakeStatusImages();
// Each picture at its ToolbarPicture index: parted plug, joined plug, question mark, serial
// connector, arrow up, arrow down, (unused), red power symbol, the words Low and High, (unused).
TImageList MakeToolbarImages();

}  // namespace pictures
