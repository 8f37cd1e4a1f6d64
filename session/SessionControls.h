#pragma once
// What the device session reads and writes outside itself, handed over by the main window
// as named controls and actions, so the scheduler and the dispatcher can also run on bare
// widgets in tests. Nothing here is owned: the main window owns every pointee.

class QAction;
class QLabel;
class QTimer;
class QWidget;
class LinkHealth;
class TComm;
class TFlatSpinEditFloat;
class TForm5;
class TiIntegerOutput;
class TiLedRectangle;
class TiSevenSegmentAnalog;
class TStateImage;
class TStatusBar;
class TToolImageButton;

// ShowState of the switch pictures img1, img2, img3.
inline constexpr int kSwitchPictureOff = 0;
inline constexpr int kSwitchPictureOn = 2;

struct SessionControls {
    TComm* cm1 = nullptr;
    QTimer* cmd_timer = nullptr;

    // Actions the session executes.
    QAction* act_cmd_timer = nullptr;
    QAction* act_connect_ok = nullptr;
    QAction* act_connect_error = nullptr;

    // Told of every reply and of every tick the timer started; optional, sends nothing.
    LinkHealth* linkHealth = nullptr;

    // The progress window shown while synchronising and during a recall read-back.
    TForm5* Form5 = nullptr;

    // Main window targets.
    QWidget* mainWindow = nullptr;                  // its caption shows the instrument's limits
    TiSevenSegmentAnalog* isvnsgmntnlg1 = nullptr;  // voltage
    TiSevenSegmentAnalog* isvnsgmntnlg2 = nullptr;  // current
    TiSevenSegmentAnalog* iSevenSegmentAnalog1 = nullptr;  // power
    TiLedRectangle* iLedRectangle1 = nullptr;              // OVP tripped
    TiLedRectangle* iLedRectangle2 = nullptr;              // OCP tripped
    TiLedRectangle* ildrctngl1 = nullptr;                  // output on
    TStateImage* img1 = nullptr;                           // OVP enable
    TStateImage* img2 = nullptr;                           // output switch
    TStateImage* img3 = nullptr;                           // OCP enable
    TFlatSpinEditFloat* edt1 = nullptr;                    // voltage setpoint
    TFlatSpinEditFloat* edt2 = nullptr;                    // current setpoint
    TFlatSpinEditFloat* edt3 = nullptr;                    // OVP level
    TFlatSpinEditFloat* edt4 = nullptr;                    // OCP level
    TToolImageButton* btn20 = nullptr;                     // range button
    TStatusBar* stat1 = nullptr;

    // About window and slot dialog targets.
    QLabel* Form2_Label3 = nullptr;  // device version
    QLabel* Form2_Label4 = nullptr;  // SCPI version
    TiIntegerOutput* Form6_iIntegerOutput1 = nullptr;
};
