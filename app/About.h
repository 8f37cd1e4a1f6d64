#pragma once
// The About window: the program's title and version and what the instrument reported about
// itself (its identification and SCPI version), shown without waiting and closed as soon as
// it stops being the active window.

#include <QWidget>

class QLabel;
class QPushButton;
class QFrame;

class TForm2 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);

    // Shows the window centred on owner, without waiting for it.
    void ShowOver(const QWidget* owner);

    QLabel* StaticText1 = nullptr;
    QLabel* Label1 = nullptr;  // "Device Version:"
    QLabel* Label2 = nullptr;  // "SCPI Version:"
    QLabel* Label3 = nullptr;  // the instrument's answer to *IDN?
    QLabel* Label4 = nullptr;  // the instrument's answer to :SYST:VERS?
    QLabel* lbl4 = nullptr;
    QFrame* bvl1 = nullptr;
    QPushButton* btn1 = nullptr;

    void btn1Click();
    void FormDeactivate();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    // Sizes the window so that, frame included, it is 411 x 256.
    void fitOuterSize();
};

extern TForm2* Form2;
