#include "widgets/TFlatSpinEditFloat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "widgets/FloatText.h"
#include "widgets/FocusMove.h"
#include "widgets/SpinEditLayout.h"
#include "widgets/SpinKeyFilter.h"

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;
const QColor kButtonHot(235, 233, 225);
const QColor kButtonDown(217, 214, 197);
}  // namespace

TFlatSpinEditFloat::TFlatSpinEditFloat(QWidget* parent)
    : QWidget(parent), editor_(new QLineEdit(this)) {
    editor_->setFrame(false);
    editor_->installEventFilter(this);
    setFocusProxy(editor_);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    repeatTimer_.setTimerType(Qt::PreciseTimer);
    connect(&repeatTimer_, &QTimer::timeout, this, &TFlatSpinEditFloat::repeatStep);
    // A new box shows zero with its decimals, whatever its format.
    editor_->setText(
        widgets::FormatFloatText(0, TFloatFormat::ffFixed, precision_, digits_, QLocale()));
    applyAutoHeight();
    resize(TFlatSpinEditFloat::sizeHint());  // this class's own: runs while constructing
    refreshColors();
}

QSize TFlatSpinEditFloat::sizeHint() const {
    return {89, fontMetrics().height() + 7};
}
QSize TFlatSpinEditFloat::minimumSizeHint() const {
    return {40, fontMetrics().height() + 7};
}

double TFlatSpinEditFloat::Value() const {
    return widgets::ParseFloatText(editor_->text(), QLocale()).value_or(minValue_);
}

void TFlatSpinEditFloat::SetValue(double value) {
    if (std::isnan(value)) {
        value = minValue_;
    }
    editor_->setText(
        widgets::FormatFloatText(clamped(value), floatFormat_, precision_, digits_, QLocale()));
}

double TFlatSpinEditFloat::clamped(double value) const {
    if (minValue_ == maxValue_) {
        return value;
    }
    if (value < minValue_) {
        return minValue_;
    }
    if (value > maxValue_) {
        return maxValue_;
    }
    return value;
}

void TFlatSpinEditFloat::rewriteText() {
    SetValue(Value());
}

double TFlatSpinEditFloat::MinValue() const {
    return minValue_;
}
void TFlatSpinEditFloat::SetMinValue(double value) {
    minValue_ = value;
}
double TFlatSpinEditFloat::MaxValue() const {
    return maxValue_;
}
void TFlatSpinEditFloat::SetMaxValue(double value) {
    maxValue_ = value;
}
double TFlatSpinEditFloat::Increment() const {
    return increment_;
}
void TFlatSpinEditFloat::SetIncrement(double value) {
    increment_ = value;
}

int TFlatSpinEditFloat::Digits() const {
    return digits_;
}
void TFlatSpinEditFloat::SetDigits(int value) {
    digits_ = value;
    rewriteText();
}

int TFlatSpinEditFloat::Precision() const {
    return precision_;
}
void TFlatSpinEditFloat::SetPrecision(int value) {
    precision_ = value;
    rewriteText();
}

TFloatFormat TFlatSpinEditFloat::FloatFormat() const {
    return floatFormat_;
}
void TFlatSpinEditFloat::SetFloatFormat(TFloatFormat value) {
    floatFormat_ = value;
    rewriteText();
}

bool TFlatSpinEditFloat::EditorEnabled() const {
    return editorEnabled_;
}
void TFlatSpinEditFloat::SetEditorEnabled(bool value) {
    editorEnabled_ = value;
    editor_->setReadOnly(readOnly_ || !editorEnabled_);  // also stops paste and cut
}

bool TFlatSpinEditFloat::ReadOnly() const {
    return readOnly_;
}
void TFlatSpinEditFloat::SetReadOnly(bool value) {
    readOnly_ = value;
    editor_->setReadOnly(readOnly_ || !editorEnabled_);
}

QColor TFlatSpinEditFloat::ColorFlat() const {
    if (colorFlat_) {
        return *colorFlat_;
    }
    const QWidget* owner = parentWidget() ? parentWidget() : this;
    return owner->palette().color(QPalette::Window);
}
void TFlatSpinEditFloat::SetColorFlat(const QColor& value) {
    colorFlat_ = value;
    refreshColors();
}
QColor TFlatSpinEditFloat::ColorFocused() const {
    return colorFocused_;
}
void TFlatSpinEditFloat::SetColorFocused(const QColor& value) {
    colorFocused_ = value;
    refreshColors();
}
QColor TFlatSpinEditFloat::ColorBorder() const {
    return colorBorder_;
}
void TFlatSpinEditFloat::SetColorBorder(const QColor& value) {
    colorBorder_ = value;
    update();
}

QString TFlatSpinEditFloat::Text() const {
    return editor_->text();
}
void TFlatSpinEditFloat::SetText(const QString& text) {
    editor_->setText(text);
}

void TFlatSpinEditFloat::beep() {
    emit beeped();
    QApplication::beep();
}

void TFlatSpinEditFloat::step(int direction) {
    if (readOnly_) {
        beep();
        return;
    }
    SetValue(Value() + direction * increment_);
}

bool TFlatSpinEditFloat::filterKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? 1 : -1);
        return true;
    }
    const std::optional<QChar> typed = widgets::TypedCharacter(*event);
    if (!typed) {
        return false;
    }
    const QString separator = QLocale().decimalPoint();
    if (!widgets::SpinKeyAccepted(*typed, separator.isEmpty() ? QChar('.') : separator.at(0),
                                  editorEnabled_)) {
        beep();
        return true;
    }
    if (!OnKeyPress) {
        return false;
    }
    const char original = typed->toLatin1();
    char key = original;
    OnKeyPress(this, key);
    if (key == 0) {
        return true;
    }
    if (key != original) {
        // The handler typed another character instead.
        if (!editor_->isReadOnly() && static_cast<unsigned char>(key) >= 0x20) {
            editor_->insert(QString(QLatin1Char(key)));
        }
        return true;
    }
    return false;
}

void TFlatSpinEditFloat::focusLeft() {
    const double value = Value();
    const double limited = clamped(value);
    if (limited != value) {
        SetValue(limited);  // text inside the range stays exactly as typed
    }
}

bool TFlatSpinEditFloat::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            return filterKey(static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            if (widgets::FocusMovesBetweenControls(static_cast<QFocusEvent*>(event)->reason()) &&
                !(QApplication::mouseButtons() & Qt::LeftButton)) {
                // After the editor's own focus handling, which may move the caret.
                QMetaObject::invokeMethod(editor_, &QLineEdit::selectAll, Qt::QueuedConnection);
            }
            refreshColors();
            break;
        case QEvent::FocusOut:
            if (widgets::FocusMovesBetweenControls(static_cast<QFocusEvent*>(event)->reason())) {
                focusLeft();
            }
            refreshColors();
            break;
        default:
            break;
    }
    return false;
}

void TFlatSpinEditFloat::keyPressEvent(QKeyEvent* event) {
    // Keys sent to the box itself go through the editor and its filter. A key the editor
    // ignores comes back here on its way to the parents: let it go on.
    if (forwardingKey_) {
        event->ignore();
        return;
    }
    forwardingKey_ = true;
    QApplication::sendEvent(editor_, event);
    forwardingKey_ = false;
}

QColor TFlatSpinEditFloat::currentColor() const {
    return editor_->hasFocus() || mouseOver_ ? colorFocused_ : ColorFlat();
}

void TFlatSpinEditFloat::refreshColors() {
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, currentColor());
    editor_->setPalette(palette);
    update();
}

void TFlatSpinEditFloat::applyAutoHeight() {
    setFixedHeight(fontMetrics().height() + 7);
}

void TFlatSpinEditFloat::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        applyAutoHeight();
    } else if (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange) {
        refreshColors();
    }
    QWidget::changeEvent(event);
}

void TFlatSpinEditFloat::resizeEvent(QResizeEvent*) {
    editor_->setGeometry(widgets::LayoutSpinEdit(size()).text);
}

TFlatSpinEditFloat::StepButton TFlatSpinEditFloat::buttonAt(QPoint position) const {
    const widgets::SpinEditLayout layout = widgets::LayoutSpinEdit(size());
    // The shared column belongs to the down button, which is drawn over it.
    if (layout.downButton.contains(position)) {
        return StepButton::Down;
    }
    if (layout.upButton.contains(position)) {
        return StepButton::Up;
    }
    return StepButton::None;
}

void TFlatSpinEditFloat::mousePressEvent(QMouseEvent* event) {
    hoverButton_ = buttonAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || hoverButton_ == StepButton::None) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressedButton_ = hoverButton_;
    repeatTimer_.start(kFirstRepeatMs);
    update();
}

void TFlatSpinEditFloat::mouseMoveEvent(QMouseEvent* event) {
    const StepButton over = buttonAt(event->position().toPoint());
    if (over != hoverButton_) {
        hoverButton_ = over;
        update();
    }
}

void TFlatSpinEditFloat::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pressedButton_ == StepButton::None) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    repeatTimer_.stop();
    const StepButton released = pressedButton_;
    pressedButton_ = StepButton::None;
    hoverButton_ = buttonAt(event->position().toPoint());
    if (hoverButton_ == released) {
        step(released == StepButton::Up ? 1 : -1);
    }
    update();
}

void TFlatSpinEditFloat::repeatStep() {
    repeatTimer_.setInterval(kRepeatMs);
    // Only while the button is held down under the mouse.
    if (pressedButton_ != StepButton::None && hoverButton_ == pressedButton_) {
        step(pressedButton_ == StepButton::Up ? 1 : -1);
    }
}

void TFlatSpinEditFloat::enterEvent(QEnterEvent* event) {
    mouseOver_ = true;
    refreshColors();
    QWidget::enterEvent(event);
}

void TFlatSpinEditFloat::leaveEvent(QEvent* event) {
    mouseOver_ = false;
    hoverButton_ = StepButton::None;
    refreshColors();
    QWidget::leaveEvent(event);
}

void TFlatSpinEditFloat::paintStepButton(QPainter& painter, const QRect& button, StepButton which,
                                         bool upArrow) {
    const bool down = pressedButton_ == which && hoverButton_ == which;
    const bool hot = !down && hoverButton_ == which && pressedButton_ == StepButton::None;
    painter.fillRect(button, down ? kButtonDown : (hot ? kButtonHot : currentColor()));
    const QRect edge = button.adjusted(0, 0, -1, -1);
    if (down || hot) {
        const QColor topLeft = hot ? Qt::white : Qt::black;
        const QColor bottomRight = hot ? Qt::black : Qt::white;
        painter.setPen(topLeft);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    } else {
        painter.setPen(colorBorder_);
        painter.drawRect(edge);
    }
    QRect glyph = widgets::StepGlyphBox(button);
    if (down) {
        glyph.translate(1, 1);
    }
    painter.setPen(Qt::black);
    for (int row = 0; row < 3; ++row) {
        const int half = upArrow ? row : 2 - row;  // the row's reach either side of the centre
        const int centre = glyph.left() + 2;
        painter.drawLine(centre - half, glyph.top() + row, centre + half, glyph.top() + row);
    }
}

void TFlatSpinEditFloat::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), currentColor());
    painter.setPen(colorBorder_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const widgets::SpinEditLayout layout = widgets::LayoutSpinEdit(size());
    paintStepButton(painter, layout.upButton, StepButton::Up, true);
    paintStepButton(painter, layout.downButton, StepButton::Down, false);
}
