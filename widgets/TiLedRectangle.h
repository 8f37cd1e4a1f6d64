#pragma once
// Rectangular indicator lamp with an optional centred caption.

#include <QColor>
#include <QFont>
#include <QWidget>
#include <functional>

#include "widgets/DisplayStyles.h"

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

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Stores a property value and repaints when it differs from the one held.
    template <typename T>
    void store(T& field, const T& value);
    QColor fillColor() const;

    bool active_ = false;
    QColor activeColor_{0, 255, 0};
    bool autoInactiveColor_ = true;
    QColor inactiveColor_{0, 85, 0};
    TiBorderStyle bevelStyle_ = TiBorderStyle::ibsLowered;
    QString centerLabelText_;
    QFont centerLabelFont_;
    QColor centerLabelFontActiveColor_{0, 0, 0};
    QColor centerLabelFontInactiveColor_{255, 255, 255};
    int centerLabelEndsMargin_ = 5;
    TiAlignmentHorizontal centerLabelAlignment_ = TiAlignmentHorizontal::iahCenter;
    bool centerLabelWordWrap_ = false;
    bool showReflection_ = true;
};
