#pragma once
// Where the float spin edit's parts lie: a 3-pixel frame, the text area, and a 22-pixel
// strip of two 11-pixel step buttons that share one pixel column.

#include <QRect>
#include <QSize>

namespace widgets {

struct SpinEditLayout {
    QRect inner;  // inside the frame
    QRect text;   // the editor, ending 3 pixels left of the strip
    QRect upButton;
    QRect downButton;
};

SpinEditLayout LayoutSpinEdit(QSize size);

// The arrow glyph's box: 5 x 3 pixels, 2 below the button's top, centred across.
QRect StepGlyphBox(const QRect& button);

}  // namespace widgets
