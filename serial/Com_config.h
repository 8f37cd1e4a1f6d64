#pragma once
// The port dialog: chooses the serial port and its line settings for the main window's
// serial component. Opening it already writes the shown selection into the component.

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TComm;

class TForm3 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm3(QWidget* parent = nullptr);

    // The component the dialog edits (not owned) and where the port names come from
    // (ListSerialPorts unless replaced; the panel adds the simulated instrument's port).
    void SetComm(TComm* comm) { comm_ = comm; }
    std::function<void(QStringList& ports)> ListPorts;

    QGroupBox* grp1 = nullptr;
    QLabel* lbl1 = nullptr;
    QLabel* lbl2 = nullptr;
    QLabel* lbl3 = nullptr;
    QLabel* lbl4 = nullptr;
    QLabel* lbl5 = nullptr;
    QComboBox* cbb1 = nullptr;    // port name
    QComboBox* cbb2 = nullptr;    // baud rate
    QComboBox* cbb3 = nullptr;    // parity
    QComboBox* cbb4 = nullptr;    // data bits
    QComboBox* cbb5 = nullptr;    // stop bits
    QPushButton* btn2 = nullptr;  // "Yes"
    QPushButton* btn1 = nullptr;  // "No"

    void FormCreate();
    void FormShow();
    void btn2Click();
    void btn1Click();

    // Shows the dialog modally, centred on owner.
    int ShowModalOver(const QWidget* owner);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FillPortList();
    void SelectFromComponent();
    void ApplyToComponent();

    TComm* comm_ = nullptr;
};

extern TForm3* Form3;
