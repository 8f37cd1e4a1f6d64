#pragma once
// The main window's pictures, drawn at run time: the link pictures of the status bar
// (il1, 12 x 12) and the toolbar pictures (il2, 56 x 56).

#include <QIcon>

#include "session/PictureIndices.h"
#include "widgets/TImageList.h"

class QPainter;

namespace pictures {

// Each picture at its StatusPicture index: parted plug, joined plug, red cross.
TImageList MakeStatusImages();
// Each picture at its ToolbarPicture index: parted plug, joined plug, question mark, serial
// connector, arrow up, arrow down, (unused), red power symbol, the words Low and High, (unused).
TImageList MakeToolbarImages();

// The program's icon: the connect button's joined plug on a light tile, painted in the box
// (0, 0, side, side) of painter. The window icon and the installed icon files both come
// from here.
void PaintAppIcon(QPainter& painter, double side);
// The program's icon as the window shows it, painted at whatever size is asked for.
QIcon MakeAppIcon();

}  // namespace pictures
