#pragma once
// The memory slot dialog: the operator picks a slot number and confirms a recall (load) or a
// save. While it is open the main window's settings groups and toolbar are disabled.

#include <QWidget>

class QAction;
class QLabel;
class QPushButton;
class TCSpinButton;
class TiIntegerOutput;

// What OK does, as SlotDialogMode holds it.
inline constexpr int kSlotDialogNotOpened = 0;
inline constexpr int kSlotDialogRecall = 1;
inline constexpr int kSlotDialogSave = 2;

class TForm6 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm6(QWidget* parent = nullptr);

    // What OK does: one of the kSlotDialog values.
    int SlotDialogMode = kSlotDialogNotOpened;

    QLabel* Label1 = nullptr;
    TiIntegerOutput* iIntegerOutput1 = nullptr;
    TCSpinButton* CSpinButton1 = nullptr;
    QPushButton* Button2 = nullptr;  // "Canel"
    QPushButton* Button1 = nullptr;  // "OK"

    // The main window's parts that are locked while the dialog is open, and the actions OK
    // runs. Not owned.
    void SetMainWindowParts(QWidget* owner, QWidget* tlb1, QWidget* grp2, QWidget* grp3,
                            QAction* recallDo, QAction* saveDo);

    // Opens the dialog without waiting for it, in the given mode (kSlotDialogRecall or
    // kSlotDialogSave) with the given caption.
    void Open(int mode, const QString& caption);

    void FormShow();
    void FormClose();
    void Button1Click();
    void Button2Click();
    void CSpinButton1UpClick();
    void CSpinButton1DownClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void SetMainWindowPartsEnabled(bool enabled);

    QWidget* owner_ = nullptr;
    QWidget* tlb1_ = nullptr;
    QWidget* grp2_ = nullptr;
    QWidget* grp3_ = nullptr;
    QAction* recallDo_ = nullptr;
    QAction* saveDo_ = nullptr;
};

extern TForm6* Form6;
