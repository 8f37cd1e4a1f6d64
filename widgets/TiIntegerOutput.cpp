#include "widgets/TiIntegerOutput.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "widgets/FocusMove.h"

TiIntegerOutput::TiIntegerOutput(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    resize(80, 32);
    showValue();
}

int TiIntegerOutput::Value() const {
    return value_;
}

int TiIntegerOutput::clamped(int value) const {
    if (valueMin_ == 0 && valueMax_ == 0) {
        return value;  // no limits set
    }
    return std::max(std::min(value, valueMax_), valueMin_);
}

void TiIntegerOutput::SetValue(int value) {
    value = clamped(value);
    if (value == value_) {
        return;
    }
    value_ = value;
    showValue();
}

int TiIntegerOutput::ValueMin() const {
    return valueMin_;
}
void TiIntegerOutput::SetValueMin(int value) {
    valueMin_ = value;
}
int TiIntegerOutput::ValueMax() const {
    return valueMax_;
}
void TiIntegerOutput::SetValueMax(int value) {
    valueMax_ = value;
}

void TiIntegerOutput::showValue() {
    appliedText_ = QString::number(value_);
    setText(appliedText_);
}

void TiIntegerOutput::Apply() {
    bool ok = false;
    const int typed = text().toInt(&ok, 10);
    if (!ok) {
        Restore();
        return;
    }
    SetValue(typed);
    showValue();  // also when the clamped value equals the one held: "150" shows "99"
}

void TiIntegerOutput::Restore() {
    setText(appliedText_);
}

void TiIntegerOutput::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Apply();
            selectAll();
            event->accept();
            return;
        case Qt::Key_Escape:
            Restore();
            event->accept();
            return;
        case Qt::Key_Z:
            if (ctrl) {
                Restore();
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    if (ctrl || event->text().isEmpty() || !event->text().at(0).isPrint()) {
        // Editing and clipboard keys (Backspace, Delete, arrows, Ctrl+A/C/X/V) as usual.
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar typed = event->text().at(0);
    if (typed >= u'0' && typed <= u'9') {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();  // any other printable key is dropped without a sound
    }
}

void TiIntegerOutput::focusOutEvent(QFocusEvent* event) {
    if (widgets::FocusMovesBetweenControls(event->reason())) {
        Apply();
    }
    QLineEdit::focusOutEvent(event);
}

std::unique_ptr<QMenu> TiIntegerOutput::CreateContextMenu() {
    auto menu = std::make_unique<QMenu>();
    const bool selection = hasSelectedText();
    menu->addAction(tr("Apply"), this, &TiIntegerOutput::Apply);
    menu->addAction(tr("Undo"), this, &TiIntegerOutput::Restore)
        ->setEnabled(text() != appliedText_);
    menu->addSeparator();
    menu->addAction(tr("Cut"), this, &QLineEdit::cut)->setEnabled(selection);
    menu->addAction(tr("Copy"), this, &QLineEdit::copy)->setEnabled(selection);
    menu->addAction(tr("Paste"), this, &QLineEdit::paste)
        ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    menu->addAction(tr("Delete"), this, &QLineEdit::del)->setEnabled(selection);
    menu->addSeparator();
    menu->addAction(tr("Select All"), this, &QLineEdit::selectAll)->setEnabled(!text().isEmpty());
    return menu;
}

void TiIntegerOutput::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu = CreateContextMenu();
    menu->exec(event->globalPos());
}
