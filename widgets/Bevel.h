#pragma once
// The two-pixel 3D edge of the read-out and the lamp, in the desktop's bevel colours.

#include <QPalette>
#include <QRect>

#include "widgets/DisplayStyles.h"

class QPainter;

namespace widgets {

void DrawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, TiBorderStyle style);

}  // namespace widgets
