#include "widgets/TiLedRectangle.h"

#include <QPainter>

#include "widgets/Bevel.h"

TiLedRectangle::TiLedRectangle(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(TiLedRectangle::sizeHint());  // this class's own: runs while constructing
}

QSize TiLedRectangle::sizeHint() const {
    return {20, 20};
}

template <typename T>
void TiLedRectangle::store(T& field, const T& value) {
    if (field == value) {
        return;
    }
    field = value;
    update();
}

bool TiLedRectangle::Active() const {
    return active_;
}
void TiLedRectangle::SetActive(bool value) {
    if (value == active_) {
        return;
    }
    active_ = value;
    update();
    if (OnChange) {
        OnChange(this);
    }
}

QColor TiLedRectangle::ActiveColor() const {
    return activeColor_;
}
void TiLedRectangle::SetActiveColor(const QColor& value) {
    store(activeColor_, value);
}
bool TiLedRectangle::AutoInactiveColor() const {
    return autoInactiveColor_;
}
void TiLedRectangle::SetAutoInactiveColor(bool value) {
    store(autoInactiveColor_, value);
}
QColor TiLedRectangle::InactiveColor() const {
    return inactiveColor_;
}
void TiLedRectangle::SetInactiveColor(const QColor& value) {
    store(inactiveColor_, value);
}
TiBorderStyle TiLedRectangle::BevelStyle() const {
    return bevelStyle_;
}
void TiLedRectangle::SetBevelStyle(TiBorderStyle value) {
    store(bevelStyle_, value);
}
QString TiLedRectangle::CenterLabelText() const {
    return centerLabelText_;
}
void TiLedRectangle::SetCenterLabelText(const QString& value) {
    store(centerLabelText_, value);
}
QFont TiLedRectangle::CenterLabelFont() const {
    return centerLabelFont_;
}
void TiLedRectangle::SetCenterLabelFont(const QFont& value) {
    store(centerLabelFont_, value);
}
QColor TiLedRectangle::CenterLabelFontActiveColor() const {
    return centerLabelFontActiveColor_;
}
void TiLedRectangle::SetCenterLabelFontActiveColor(const QColor& value) {
    store(centerLabelFontActiveColor_, value);
}
QColor TiLedRectangle::CenterLabelFontInactiveColor() const {
    return centerLabelFontInactiveColor_;
}
void TiLedRectangle::SetCenterLabelFontInactiveColor(const QColor& value) {
    store(centerLabelFontInactiveColor_, value);
}
int TiLedRectangle::CenterLabelEndsMargin() const {
    return centerLabelEndsMargin_;
}
void TiLedRectangle::SetCenterLabelEndsMargin(int value) {
    store(centerLabelEndsMargin_, value);
}
TiAlignmentHorizontal TiLedRectangle::CenterLabelAlignment() const {
    return centerLabelAlignment_;
}
void TiLedRectangle::SetCenterLabelAlignment(TiAlignmentHorizontal value) {
    store(centerLabelAlignment_, value);
}
bool TiLedRectangle::CenterLabelWordWrap() const {
    return centerLabelWordWrap_;
}
void TiLedRectangle::SetCenterLabelWordWrap(bool value) {
    store(centerLabelWordWrap_, value);
}
bool TiLedRectangle::ShowReflection() const {
    return showReflection_;
}
void TiLedRectangle::SetShowReflection(bool value) {
    store(showReflection_, value);
}

QColor TiLedRectangle::fillColor() const {
    if (active_) {
        return activeColor_;
    }
    if (autoInactiveColor_) {
        return {activeColor_.red() / 3, activeColor_.green() / 3, activeColor_.blue() / 3};
    }
    return inactiveColor_;
}

void TiLedRectangle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fillColor());
    widgets::DrawBevel(painter, rect(), palette(), bevelStyle_);
    if (showReflection_) {
        painter.setPen(Qt::white);
        painter.drawLine(3, 3, 4, 3);
    }

    const QString caption = centerLabelText_.trimmed();
    if (caption.isEmpty()) {
        return;
    }
    const int left = centerLabelEndsMargin_ + 2;
    const QRect box(left, 0, width() - centerLabelEndsMargin_ - 2 - left, height());
    int alignment = Qt::AlignVCenter;
    switch (centerLabelAlignment_) {
        case TiAlignmentHorizontal::iahCenter:
            alignment |= Qt::AlignHCenter;
            break;
        case TiAlignmentHorizontal::iahLeft:
            alignment |= Qt::AlignLeft;
            break;
        case TiAlignmentHorizontal::iahRight:
            alignment |= Qt::AlignRight;
            break;
    }
    // No mnemonic flag: an "&" in the caption is drawn as itself.
    const int wrap = centerLabelWordWrap_ ? Qt::TextWordWrap : 0;
    painter.setFont(centerLabelFont_);
    const int textHeight = painter.fontMetrics().boundingRect(box, wrap, centerLabelText_).height();
    const int top = height() / 2 - textHeight / 2;
    const QRect textBox(box.left(), top, box.width(), height() / 2 + textHeight / 2 - top);
    painter.setPen(active_ ? centerLabelFontActiveColor_ : centerLabelFontInactiveColor_);
    // Not clipped: for an odd text height the box is a row short of the text.
    painter.drawText(textBox, alignment | wrap | Qt::TextDontClip, centerLabelText_);
}
