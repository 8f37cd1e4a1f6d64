#pragma once
// Two-state picture button: shows State1Picture while ShowState is 0, State2Picture
// otherwise. A left click flips the state before the mouse-down event is raised.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

class TStateImage : public QWidget {
    Q_OBJECT

  public:
    explicit TStateImage(QWidget* parent = nullptr);

    int ShowState() const;
    void SetShowState(int value);
    QImage State1Picture() const;
    void SetState1Picture(const QImage& value);
    QImage State2Picture() const;
    void SetState2Picture(const QImage& value);
    QImage Picture() const;  // the image shown now

    // Raised for every mouse button, after a left click has flipped the state.
    std::function<void(TStateImage* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                       QPoint Position)>
        OnMouseDown;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void pictureChanged();  // AutoSize: the control takes the size of its picture

    int showState_ = 0;
    QImage state1Picture_;
    QImage state2Picture_;
};
