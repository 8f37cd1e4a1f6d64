#pragma once
// Flat numeric edit box with two step buttons. The value lives only in the text.

#include <QColor>
#include <QWidget>
#include <functional>

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

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
};
