#include "controls/TCSpinButton.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;
}  // namespace

TCSpinButton::TCSpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    auto make = [this](Qt::ArrowType arrow) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(kRepeatDelayMs);
        button->setAutoRepeatInterval(kRepeatIntervalMs);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    up_ = make(Qt::UpArrow);
    down_ = make(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &TCSpinButton::RaiseUp);
    connect(down_, &QToolButton::clicked, this, &TCSpinButton::RaiseDown);
    resize(20, 32);
}

void TCSpinButton::RaiseUp() {
    if (OnUpClick) {
        OnUpClick(this);
    }
}

void TCSpinButton::RaiseDown() {
    if (OnDownClick) {
        OnDownClick(this);
    }
}

void TCSpinButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        RaiseUp();
    } else if (event->key() == Qt::Key_Down) {
        RaiseDown();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void TCSpinButton::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
