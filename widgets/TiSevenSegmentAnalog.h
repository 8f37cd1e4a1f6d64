#pragma once
// Seven-segment read-out: draws |Value| as DigitCount cells with Precision decimals on a
// black field, with arrows when the number does not fit.

#include <QColor>
#include <QWidget>

enum class TiLeadingStyle { ilsNone, ilsZeros, ilsSpaces };
enum class TiBorderStyle { ibsNone, ibsRaised, ibsLowered };

class TiSevenSegmentAnalog : public QWidget {
    Q_OBJECT

  public:
    explicit TiSevenSegmentAnalog(QWidget* parent = nullptr);

    double Value() const;
    void SetValue(double value);  // > 1e15 and NaN store 1e15; an unchanged value does nothing
    int DigitCount() const;
    void SetDigitCount(int value);
    int Precision() const;
    void SetPrecision(int value);
    bool ShowSign() const;
    void SetShowSign(bool value);
    TiLeadingStyle LeadingStyle() const;
    void SetLeadingStyle(TiLeadingStyle value);
    QColor SegmentColor() const;
    void SetSegmentColor(const QColor& value);
    bool ShowOffSegments() const;
    void SetShowOffSegments(bool value);
    QColor SegmentOffColor() const;
    void SetSegmentOffColor(const QColor& value);
    bool AutoSegmentOffColor() const;
    void SetAutoSegmentOffColor(bool value);
    int SegmentSize() const;
    void SetSegmentSize(int value);
    int SegmentSeperation() const;
    void SetSegmentSeperation(int value);
    int SegmentMargin() const;
    void SetSegmentMargin(int value);
    int DigitSpacing() const;
    void SetDigitSpacing(int value);
    TiBorderStyle BorderStyle() const;
    void SetBorderStyle(TiBorderStyle value);
    QColor BackGroundColor() const;
    void SetBackGroundColor(const QColor& value);
    bool AutoSize() const;
    void SetAutoSize(bool value);
    bool PowerOff() const;
    void SetPowerOff(bool value);
};
