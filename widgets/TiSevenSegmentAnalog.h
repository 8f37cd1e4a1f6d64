#pragma once
// Seven-segment read-out: draws |Value| as DigitCount cells with Precision decimals on a
// black field, with arrows when the number does not fit.

#include <QColor>
#include <QImage>
#include <QWidget>

#include "widgets/DisplayStyles.h"

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

    // The read-out as painted: the off-screen bitmap that paintEvent copies to the screen.
    QImage RenderToImage() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the whole read-out; an exception thrown here is shown as its message on a
    // black bitmap instead of a half-drawn read-out.
    virtual void paintReadout(QPainter& painter) const;

  private:
    void changed();  // repaint, and resize first when AutoSize is on
    void applyAutoSize();
    QColor unlitColor() const;
    void renderInto(QImage& image) const;

    double value_ = 0;
    int digitCount_ = 4;
    int precision_ = 2;
    bool showSign_ = true;
    TiLeadingStyle leadingStyle_ = TiLeadingStyle::ilsSpaces;
    QColor segmentColor_{255, 255, 255};
    bool showOffSegments_ = true;
    QColor segmentOffColor_{128, 128, 128};
    bool autoSegmentOffColor_ = true;
    int segmentSize_ = 1;
    int segmentSeperation_ = 1;
    int segmentMargin_ = 5;
    int digitSpacing_ = 6;
    TiBorderStyle borderStyle_ = TiBorderStyle::ibsNone;
    QColor backGroundColor_{0, 0, 0};
    bool autoSize_ = true;
    bool powerOff_ = false;
    QImage buffer_;  // the off-screen bitmap of the last paint
};
