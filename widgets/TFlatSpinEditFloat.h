#pragma once
// Flat numeric edit box with two step buttons. The value lives only in the text.

#include <QColor>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "widgets/FloatFormat.h"

class QLineEdit;

class TFlatSpinEditFloat : public QWidget {
    Q_OBJECT

  public:
    explicit TFlatSpinEditFloat(QWidget* parent = nullptr);

    double Value() const;         // parses the text; unparsable reads MinValue
    void SetValue(double value);  // clamps (unless MinValue == MaxValue) and formats
    double MinValue() const;
    void SetMinValue(double value);  // stored only
    double MaxValue() const;
    void SetMaxValue(double value);  // stored only
    double Increment() const;
    void SetIncrement(double value);
    int Digits() const;
    void SetDigits(int value);
    int Precision() const;
    void SetPrecision(int value);
    TFloatFormat FloatFormat() const;
    void SetFloatFormat(TFloatFormat value);
    bool EditorEnabled() const;
    void SetEditorEnabled(bool value);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    QColor ColorFlat() const;
    void SetColorFlat(const QColor& value);
    QColor ColorFocused() const;
    void SetColorFocused(const QColor& value);
    QColor ColorBorder() const;
    void SetColorBorder(const QColor& value);
    QString Text() const;
    void SetText(const QString& text);

    // Raised for keys that pass the box's own filter, before insertion; set Key to 0 to cancel.
    std::function<void(TFlatSpinEditFloat* Sender, char& Key)> OnKeyPress;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // Raised with every system beep: a refused key, or a step while read-only.
    void beeped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    enum class StepButton { None, Up, Down };

    double clamped(double value) const;
    void rewriteText();  // the present value, clamped and formatted again
    void step(int direction);
    void beep();
    bool filterKey(QKeyEvent* event);  // true when the key was consumed
    void focusLeft();
    StepButton buttonAt(QPoint position) const;
    void repeatStep();
    QColor currentColor() const;
    void refreshColors();
    void applyAutoHeight();
    void paintStepButton(QPainter& painter, const QRect& button, StepButton which, bool upArrow);

    QLineEdit* editor_;  // child widget, owned by this
    double minValue_ = 0;
    double maxValue_ = 0;
    double increment_ = 0.5;
    int digits_ = 2;
    int precision_ = 9;
    TFloatFormat floatFormat_ = TFloatFormat::ffGeneral;
    bool editorEnabled_ = true;
    bool readOnly_ = false;
    std::optional<QColor> colorFlat_;  // unset: the parent's colour
    QColor colorFocused_{255, 255, 255};
    QColor colorBorder_{160, 150, 131};
    bool forwardingKey_ = false;
    bool mouseOver_ = false;
    StepButton hoverButton_ = StepButton::None;
    StepButton pressedButton_ = StepButton::None;
    QTimer repeatTimer_;
};
