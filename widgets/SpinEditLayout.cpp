#include "widgets/SpinEditLayout.h"

namespace widgets {

namespace {
constexpr int kFrame = 3;
constexpr int kStripWidth = 22;
constexpr int kButtonWidth = 11;
constexpr int kTextGap = 3;
}  // namespace

SpinEditLayout LayoutSpinEdit(QSize size) {
    SpinEditLayout layout;
    layout.inner = QRect(QPoint(0, 0), size).adjusted(kFrame, kFrame, -kFrame, -kFrame);
    const int stripLeft = layout.inner.right() + 1 - kStripWidth;
    layout.upButton = QRect(stripLeft, layout.inner.top(), kButtonWidth, layout.inner.height());
    layout.downButton = QRect(stripLeft + kButtonWidth - 1, layout.inner.top(), kButtonWidth,
                              layout.inner.height());
    layout.text = QRect(layout.inner.left(), layout.inner.top(),
                        stripLeft - kTextGap - layout.inner.left(), layout.inner.height());
    return layout;
}

QRect StepGlyphBox(const QRect& button) {
    return {button.left() + (button.width() - 5) / 2, button.top() + 2, 5, 3};
}

}  // namespace widgets
