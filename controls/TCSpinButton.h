#pragma once
// An up/down arrow pair: a click on an arrow raises its event; holding it repeats the event
// after 400 ms and then every 100 ms; with the focus on the pair the Up and Down keys do the
// same.

#include <QWidget>
#include <functional>

class QToolButton;

class TCSpinButton : public QWidget {
    Q_OBJECT

  public:
    explicit TCSpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

    std::function<void(TCSpinButton* Sender)> OnUpClick;
    std::function<void(TCSpinButton* Sender)> OnDownClick;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void RaiseUp();
    void RaiseDown();

    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};
