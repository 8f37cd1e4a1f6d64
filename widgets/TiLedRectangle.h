#pragma once
// Rectangular indicator lamp with an optional centred caption.

#include <QColor>
#include <QFont>
#include <QWidget>
#include <functional>

#include "widgets/TiSevenSegmentAnalog.h"  // TiBorderStyle

enum class TiAlignmentHorizontal { iahCenter, iahLeft, iahRight };

class TiLedRectangle : public QWidget {
    Q_OBJECT

  public:
    explicit TiLedRectangle(QWidget* parent = nullptr);

    bool Active() const;
    void SetActive(bool value);  // repaints and notifies (OnChange) only on change
    QColor ActiveColor() const;
    void SetActiveColor(const QColor& value);
    bool AutoInactiveColor() const;
    void SetAutoInactiveColor(bool value);
    QColor InactiveColor() const;
    void SetInactiveColor(const QColor& value);
    TiBorderStyle BevelStyle() const;
    void SetBevelStyle(TiBorderStyle value);
    QString CenterLabelText() const;
    void SetCenterLabelText(const QString& value);
    QFont CenterLabelFont() const;
    void SetCenterLabelFont(const QFont& value);
    QColor CenterLabelFontActiveColor() const;
    void SetCenterLabelFontActiveColor(const QColor& value);
    QColor CenterLabelFontInactiveColor() const;
    void SetCenterLabelFontInactiveColor(const QColor& value);
    int CenterLabelEndsMargin() const;
    void SetCenterLabelEndsMargin(int value);
    TiAlignmentHorizontal CenterLabelAlignment() const;
    void SetCenterLabelAlignment(TiAlignmentHorizontal value);
    bool CenterLabelWordWrap() const;
    void SetCenterLabelWordWrap(bool value);
    bool ShowReflection() const;
    void SetShowReflection(bool value);

    std::function<void(TiLedRectangle* Sender)> OnChange;
};
