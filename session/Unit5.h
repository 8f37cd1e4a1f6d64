#pragma once
// The synchronisation progress window: a small borderless, always-on-top panel that the
// scheduler shows while it reads the instrument's state and fills with one dot per command.

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;

class TForm5 : public QWidget {
    Q_OBJECT

  public:
    // parent: the window to centre over (the main window); the panel stays a window of its own.
    explicit TForm5(QWidget* parent = nullptr);

    // The window to centre over when the panel has no parent: the application creates the
    // panel on its own, then names the main window here.
    void CentreOver(const QWidget* owner);

    QFrame* Shape1;  // yellow one-pixel frame around the client area
    QLabel* Label1;  // "Device synchronization"
    QLabel* Label2;  // "Waiting"
    QLabel* Label3;  // the progress dots

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPointer<const QWidget> owner_;
};

// The one instance; the application creates it and owns it.
extern TForm5* Form5;
