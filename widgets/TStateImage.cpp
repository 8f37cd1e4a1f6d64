#include "widgets/TStateImage.h"

#include <QMouseEvent>
#include <QPainter>

TStateImage::TStateImage(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    // Transparent: whatever lies behind shows through where the picture does not cover.
    setAttribute(Qt::WA_NoSystemBackground);
}

int TStateImage::ShowState() const {
    return showState_;
}
void TStateImage::SetShowState(int value) {
    if (value == showState_) {
        return;
    }
    const bool pictureSwaps = (value != 0) != (showState_ != 0);
    showState_ = value;
    if (pictureSwaps) {
        pictureChanged();
    }
}

QImage TStateImage::State1Picture() const {
    return state1Picture_;
}
void TStateImage::SetState1Picture(const QImage& value) {
    state1Picture_ = value;
    pictureChanged();
}

QImage TStateImage::State2Picture() const {
    return state2Picture_;
}
void TStateImage::SetState2Picture(const QImage& value) {
    state2Picture_ = value;
    pictureChanged();
}

QImage TStateImage::Picture() const {
    return showState_ != 0 ? state2Picture_ : state1Picture_;
}

QSize TStateImage::sizeHint() const {
    const QImage picture = Picture();
    return picture.isNull() ? QSize(32, 32) : picture.size();
}

void TStateImage::pictureChanged() {
    if (!Picture().isNull()) {
        setFixedSize(Picture().size());
    }
    update();
}

void TStateImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

void TStateImage::mousePressEvent(QMouseEvent* event) {
    // The flip comes first, so a handler that reads ShowState sees the new state.
    if (event->button() == Qt::LeftButton) {
        SetShowState(showState_ != 0 ? 0 : 2);
    }
    if (OnMouseDown) {
        OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
    }
    event->accept();
}
