#pragma once
// The main window's pictures, drawn at run time: the link pictures of the status bar
// (il1, 12 x 12) and the toolbar pictures (il2, 56 x 56).

#include "widgets/TImageList.h"

namespace pictures {

// 0 parted plug, 1 joined plug, 2 red cross.
TImageList MakeStatusImages();
// 0 parted plug, 1 joined plug, 2 question mark, 3 serial connector, 4 arrow up,
// 5 arrow down, 6 (unused), 7 red power symbol, 8 the word Low, 9 the word High, 10 (unused).
TImageList MakeToolbarImages();

}  // namespace pictures
