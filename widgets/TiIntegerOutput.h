#pragma once
// Integer entry box of the memory slot dialog: digits only, applies on Enter or focus loss,
// clamped to [ValueMin, ValueMax].

#include <QLineEdit>

class TiIntegerOutput : public QLineEdit {
    Q_OBJECT

  public:
    explicit TiIntegerOutput(QWidget* parent = nullptr);

    int Value() const;
    void SetValue(int value);
    int ValueMin() const;
    void SetValueMin(int value);
    int ValueMax() const;
    void SetValueMax(int value);
};
