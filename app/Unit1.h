#pragma once
// The main window: toolbar, measurement read-outs, the operator's controls, the status bar,
// and the connection actions that decide which controls are usable in each link state.
// Built in MainWindowLayout.cpp, wired in MainWindowWiring.cpp; its connection actions are in
// ConnectionActions.cpp and apply the rows of ConnectionStates.h.

#include <QWidget>
#include <cstdint>
#include <functional>

#include "session/SessionControls.h"
#include "widgets/TImageList.h"

class QAction;
class QCloseEvent;
class LinkSupervision;
class QFrame;
class QGroupBox;
class QLabel;
class QShowEvent;
class QTimer;
class QToolButton;
class TComm;
class TForm2;
class TForm3;
class TForm5;
class TForm6;
class TFlatSpinEditFloat;
class TiLedRectangle;
class TiSevenSegmentAnalog;
class TStateImage;
class TStatusBar;
class TToolImageButton;

class TForm1 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Completes the wiring to the other windows once they exist (they are created after
    // the main window). None is owned.
    void ConnectWindows(TForm2* about, TForm3* portDialog, TForm5* progress, TForm6* slotDialog);

    // What the device session and the operator controls read and write.
    const SessionControls& Controls() const { return controls_; }
    // Whether the picture is live, and the watch for a lost port.
    LinkSupervision& Supervision() const { return *linkSupervision_; }

    // Non-visual components.
    TComm* cm1 = nullptr;
    QTimer* cmd_timer = nullptr;
    TImageList il1;
    TImageList il2;

    // Actions (actlst1).
    QAction* act_connect = nullptr;
    QAction* act_disconnect = nullptr;
    QAction* act_connect_ok = nullptr;
    QAction* act_connect_error = nullptr;
    QAction* act_cmd_timer = nullptr;
    QAction* act_cmd_vol_change = nullptr;
    QAction* act_cmd_ovp_en = nullptr;
    QAction* act_cmd_ocp_en = nullptr;
    QAction* act_cmd_ovp_v = nullptr;
    QAction* act_cmd_ocp_i = nullptr;
    QAction* act_cmd_outp = nullptr;
    QAction* act_cmd_rang_low = nullptr;
    QAction* act_cmd_rang_high = nullptr;
    QAction* act_cmd_recall = nullptr;
    QAction* act_cmd_save = nullptr;
    QAction* act_cmd_recall_do = nullptr;
    QAction* act_cmd_save_do = nullptr;

    // Toolbar.
    QWidget* tlb1 = nullptr;
    TToolImageButton* btn16 = nullptr;        // connect
    TToolImageButton* btn1 = nullptr;         // disconnect
    TToolImageButton* btn12 = nullptr;        // recall
    TToolImageButton* btn2 = nullptr;         // save
    TToolImageButton* btn13 = nullptr;        // port dialog
    TToolImageButton* btn20 = nullptr;        // range
    TToolImageButton* btn17 = nullptr;        // About
    TToolImageButton* ToolButton1 = nullptr;  // close

    // Status bar.
    TStatusBar* stat1 = nullptr;

    // Measurement group.
    QGroupBox* grp1 = nullptr;
    TiLedRectangle* iLedRectangle1 = nullptr;
    TiLedRectangle* iLedRectangle2 = nullptr;
    TiSevenSegmentAnalog* isvnsgmntnlg1 = nullptr;
    TiSevenSegmentAnalog* isvnsgmntnlg2 = nullptr;
    TiSevenSegmentAnalog* iSevenSegmentAnalog1 = nullptr;
    QLabel* Label3 = nullptr;  // "Power"
    QLabel* Label4 = nullptr;  // "W"

    // Params Set group.
    QGroupBox* grp2 = nullptr;
    TFlatSpinEditFloat* edt1 = nullptr;
    TFlatSpinEditFloat* edt2 = nullptr;
    TFlatSpinEditFloat* edt3 = nullptr;
    TFlatSpinEditFloat* edt4 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* btn3 = nullptr;
    QToolButton* btn4 = nullptr;
    QToolButton* btn5 = nullptr;
    QToolButton* btn6 = nullptr;
    QToolButton* btn7 = nullptr;
    QToolButton* btn8 = nullptr;
    QToolButton* btn9 = nullptr;
    QToolButton* btn10 = nullptr;
    QLabel* Label1 = nullptr;  // "Enable" of the OVP row
    QLabel* Label2 = nullptr;  // "Enable" of the OCP row
    TStateImage* img1 = nullptr;
    TStateImage* img3 = nullptr;

    // Output group.
    QGroupBox* grp3 = nullptr;
    TiLedRectangle* ildrctngl1 = nullptr;
    TStateImage* img2 = nullptr;

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormClose();
    void cm1ReceiveData(TComm* Sender, const char* Buffer, std::uint16_t BufferLength);
    void stat1DrawPanel(TStatusBar* StatusBar, QPainter& Canvas, int Panel, const QRect& Rect);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The fixed-geometry layout: the frame and every control with its design settings.
    void CreateLayout();
    void CreateComponents();
    void CreateActions();
    void CreateToolbar();
    void CreateClientPanel();
    void CreateMeasurementGroup(QWidget* panel);
    void CreateParamsGroup(QWidget* panel);
    void CreateOutputGroup(QWidget* panel);
    void CreateStatusBar();
    void FillControls();
    void BindHandlers();
    void BindOperatorControls();
    // Executing an action runs handler; an error it raises is shown and ends it.
    void OnAction(QAction* action, std::function<void()> handler);
    void btn13Click();
    void btn17Click();
    void btn20Click();
    void img2MouseDown();

    void act_connectExecute();
    void act_disconnectExecute();
    void act_connect_okExecute();
    void act_connect_errorExecute();
    // act_connect without its error message: false when the port cannot be opened.
    bool TryConnectQuietly();
    // Panel 0 and the tag while the link is confirmed.
    void ShowLinkConfirmed();

    SessionControls controls_;
    LinkSupervision* linkSupervision_ = nullptr;  // child of this window
    TForm2* about_ = nullptr;
    TForm3* portDialog_ = nullptr;
    TForm6* slotDialog_ = nullptr;
    bool shown_ = false;
    bool closed_ = false;
};

// The program's main window.
extern TForm1* Form1;
