#pragma once
// Integer entry box of the memory slot dialog: digits only, applies on Enter or focus loss,
// clamped to [ValueMin, ValueMax].

#include <QLineEdit>
#include <memory>

class QMenu;

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

    // Parses the text: a decimal integer is clamped into Value and the text rebuilt from it;
    // anything else puts back the last applied text.
    void Apply();
    // Puts back the last applied text.
    void Restore();
    // The right-click menu: Apply, Undo, Cut, Copy, Paste, Delete, Select All.
    std::unique_ptr<QMenu> CreateContextMenu();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    int clamped(int value) const;
    void showValue();  // rebuilds the text from Value

    int value_ = 0;
    int valueMin_ = 0;
    int valueMax_ = 0;
    QString appliedText_;
};
