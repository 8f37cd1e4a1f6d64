#include "app/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "app/About.h"
#include "app/Pictures.h"
#include "app/TApplication.h"
#include "controls/OperatorActions.h"
#include "controls/Unit6.h"
#include "platform/Clock.h"
#include "scpi/Scpi.h"
#include "serial/Com_config.h"
#include "serial/TComm.h"
#include "session/Dispatcher.h"
#include "session/Scheduler.h"
#include "session/SessionState.h"
#include "session/Unit5.h"
#include "widgets/MeasurementReadout.h"
#include "widgets/SwitchPictures.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiLedRectangle.h"
#include "widgets/TiSevenSegmentAnalog.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int kClientWidth = 665;
constexpr int kClientHeight = 400;
constexpr int kToolbarHeight = 76;
constexpr int kStatusBarHeight = 22;
constexpr int kToolButtonSize = 73;
constexpr int kCommandTimerMs = 500;

const char* const kPleaseConnect = "Please Connect Device";
const char* const kOpenSuccess = "RS232 Open Sucess!";

QFont PixelFont(int pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent), il1(pictures::MakeStatusImages()), il2(pictures::MakeToolbarImages()) {
    setObjectName("Form1");
    setWindowTitle("DC Power Supply");
    // A fixed dialog frame: no resizing, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont(11));

    CreateComponents();
    CreateActions();
    CreateToolbar();
    CreateClientPanel();
    CreateStatusBar();
    FillControls();
    BindHandlers();

    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

TForm1::~TForm1() {
    // The owner stops the port before the component goes; a window destroyed without
    // having been closed (start-up error, tests) still must not leave workers running.
    if (cm1 != nullptr) {
        cm1->OnReceiveData = nullptr;
        cm1->StopComm();
    }
    if (Form1 == this) {
        Form1 = nullptr;
    }
}

void TForm1::CreateComponents() {
    cm1 = new TComm(this);
    cm1->setObjectName("cm1");
    cm1->SetCommName("COM7");
    cm1->SetBaudRate(9600);
    cm1->SetParityCheck(false);
    cm1->SetOutx_CtsFlow(false);
    cm1->SetOutx_DsrFlow(false);
    cm1->SetDtrControl(TDtrControl::DtrDisable);
    cm1->SetDsrSensitivity(false);
    cm1->SetTxContinueOnXoff(false);
    cm1->SetOutx_XonXoffFlow(false);
    cm1->SetInx_XonXoffFlow(false);
    cm1->SetRtsControl(TRtsControl::RtsDisable);
    cm1->SetByteSize(TByteSize::_8);
    cm1->SetParity(TParity::None);
    cm1->SetStopBits(TStopBits::_1);
    cm1->SetXonChar(0);
    cm1->SetXoffChar(0);
    cm1->SetReadIntervalTimeout(100);

    // The scheduler's timer runs from start-up; a tick before the first connect sends nothing.
    cmd_timer = new QTimer(this);
    cmd_timer->setObjectName("cmd_timer");
    cmd_timer->start(kCommandTimerMs);
}

void TForm1::CreateActions() {
    auto make = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        return action;
    };
    act_connect = make("act_connect");
    act_disconnect = make("act_disconnect");
    act_connect_ok = make("act_connect_ok");
    act_connect_error = make("act_connect_error");
    act_cmd_timer = make("act_cmd_timer");
    act_cmd_vol_change = make("act_cmd_vol_change");
    act_cmd_ovp_en = make("act_cmd_ovp_en");
    act_cmd_ocp_en = make("act_cmd_ocp_en");
    act_cmd_ovp_v = make("act_cmd_ovp_v");
    act_cmd_ocp_i = make("act_cmd_ocp_i");
    act_cmd_outp = make("act_cmd_outp");
    act_cmd_rang_low = make("act_cmd_rang_low");
    act_cmd_rang_high = make("act_cmd_rang_high");
    act_cmd_recall = make("act_cmd_recall");
    act_cmd_save = make("act_cmd_save");
    act_cmd_recall_do = make("act_cmd_recall_do");
    act_cmd_save_do = make("act_cmd_save_do");
}

void TForm1::CreateToolbar() {
    tlb1 = new QWidget(this);
    tlb1->setObjectName("tlb1");
    tlb1->setGeometry(0, 0, kClientWidth, kToolbarHeight);
    // A row layout, so that the hidden range button takes no room until it shows.
    auto* row = new QHBoxLayout(tlb1);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(0);
    auto make = [this, row](const char* name, int imageIndex, const char* tip) {
        auto* button = new TToolImageButton(tlb1);
        button->setObjectName(name);
        button->SetImages(&il2);
        button->SetImageIndex(imageIndex);
        button->setFixedSize(kToolButtonSize, kToolButtonSize);
        button->setToolTip(tip);
        row->addWidget(button);
        return button;
    };
    btn16 = make("btn16", 1, "Connect");
    btn1 = make("btn1", 0, "Disconnect");
    btn12 = make("btn12", 4, "Recall a memory slot");
    btn2 = make("btn2", 5, "Save to a memory slot");
    btn13 = make("btn13", 3, "Serial port settings");
    btn20 = make("btn20", 9, "Switch the voltage range");
    btn17 = make("btn17", 2, "About");
    ToolButton1 = make("ToolButton1", 7, "Exit");
    row->addStretch(1);
    btn20->setVisible(false);
}

void TForm1::CreateClientPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName("pnl1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, kToolbarHeight, kClientWidth,
                       kClientHeight - kToolbarHeight - kStatusBarHeight);
    CreateMeasurementGroup(panel);
    CreateParamsGroup(panel);
    CreateOutputGroup(panel);
}

void TForm1::CreateMeasurementGroup(QWidget* panel) {
    grp1 = new QGroupBox("Measurement", panel);
    grp1->setObjectName("grp1");
    grp1->setFont(PixelFont(16));
    grp1->setGeometry(6, 4, kClientWidth - 12, 118);

    struct Column {
        const char* caption;
        const char* unit;
        const char* lampCaption;
    };
    const int columnWidth = (kClientWidth - 12) / 3;
    auto makeLabel = [this](const QString& text, int x, int y, int pixels) {
        auto* label = new QLabel(text, grp1);
        label->setFont(PixelFont(pixels, pixels > 16));
        label->move(x, y);
        label->adjustSize();
        return label;
    };
    auto makeLamp = [this](const char* name, const char* caption, int endsMargin, int x) {
        auto* lamp = new TiLedRectangle(grp1);
        lamp->setObjectName(name);
        lamp->setGeometry(x, 24, 41, 20);
        lamp->SetActiveColor(QColor(0, 0, 128));
        lamp->SetBevelStyle(TiBorderStyle::ibsRaised);
        lamp->SetCenterLabelText(caption);
        QFont font("Sans Serif");
        font.setPointSize(8);
        font.setBold(true);
        lamp->SetCenterLabelFont(font);
        lamp->SetCenterLabelFontActiveColor(Qt::yellow);
        lamp->SetCenterLabelFontInactiveColor(Qt::white);
        lamp->SetCenterLabelEndsMargin(endsMargin);
        lamp->SetShowReflection(false);
        return lamp;
    };
    auto makeReadout = [this](const char* name, int digits, int precision, const QColor& colour,
                              int x) {
        auto* readout = new TiSevenSegmentAnalog(grp1);
        readout->setObjectName(name);
        widgets::ConfigureMeasurementReadout(*readout, digits, precision, colour);
        readout->move(x, 54);
        return readout;
    };

    const int x0 = 14;
    const int x1 = x0 + columnWidth;
    const int x2 = x0 + 2 * columnWidth;
    makeLabel("Voltage", x0, 26, 16);
    iLedRectangle1 = makeLamp("iLedRectangle1", "OVP", 5, x0 + 104);
    isvnsgmntnlg1 = makeReadout("isvnsgmntnlg1", 5, 3, QColor(0, 128, 0), x0);
    makeLabel("V", x0 + 168, 66, 24);

    makeLabel("Current", x1, 26, 16);
    iLedRectangle2 = makeLamp("iLedRectangle2", "OCP", 1, x1 + 104);
    isvnsgmntnlg2 = makeReadout("isvnsgmntnlg2", 5, 3, QColor(0, 128, 0), x1);
    makeLabel("A", x1 + 168, 66, 24);

    Label3 = makeLabel("Power", x2, 26, 16);
    Label3->setObjectName("Label3");
    iSevenSegmentAnalog1 = makeReadout("iSevenSegmentAnalog1", 4, 1, QColor(255, 255, 0), x2);
    Label4 = makeLabel("W", x2 + 136, 66, 24);
    Label4->setObjectName("Label4");
}

void TForm1::CreateParamsGroup(QWidget* panel) {
    grp2 = new QGroupBox("Params Set", panel);
    grp2->setObjectName("grp2");
    grp2->setFont(PixelFont(16));
    grp2->setGeometry(6, 126, 456, 170);
    grp2->setEnabled(false);

    const int rowY[4] = {28, 62, 100, 134};
    auto makeLabel = [this](const QString& text, int x, int y, int width, Qt::Alignment align) {
        auto* label = new QLabel(text, grp2);
        label->setGeometry(x, y, width, 24);
        label->setAlignment(align | Qt::AlignVCenter);
        return label;
    };
    auto makeEdit = [this](const char* name, double maxValue, int y) {
        auto* edit = new TFlatSpinEditFloat(grp2);
        edit->setObjectName(name);
        edit->SetMinValue(0);
        edit->SetMaxValue(maxValue);
        edit->SetIncrement(0.5);
        edit->SetDigits(3);
        edit->SetPrecision(9);
        edit->SetFloatFormat(TFloatFormat::ffFixed);
        edit->SetColorFlat(grp2->palette().color(QPalette::Button));
        edit->move(82, y);
        edit->resize(89, edit->height());
        edit->SetValue(0);
        return edit;
    };
    auto makeSpeedButton = [this](const char* name, const QString& caption, QRect geometry) {
        auto* button = new QToolButton(grp2);
        button->setObjectName(name);
        button->setText(caption);
        button->setAutoRaise(false);
        // Speed buttons never take the focus, so a half-typed edit keeps it.
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(geometry);
        return button;
    };

    makeLabel("Voltage:", 4, rowY[0], 74, Qt::AlignRight);
    edt1 = makeEdit("edt1", 36, rowY[0]);
    makeLabel("V", 174, rowY[0], 16, Qt::AlignLeft);
    makeLabel("Current:", 4, rowY[1], 74, Qt::AlignRight);
    edt2 = makeEdit("edt2", 3, rowY[1]);
    makeLabel("A", 174, rowY[1], 16, Qt::AlignLeft);
    SpeedButton1 = makeSpeedButton("SpeedButton1", "Set", QRect(194, rowY[0], 48, 58));

    const char* presetNames[8] = {"btn3", "btn4", "btn5", "btn6", "btn7", "btn8", "btn9", "btn10"};
    const char* presetCaptions[8] = {"1.2V", "3.3V", "5.0V", "24V", "0.2A", "0.5A", "1A", "3A"};
    QToolButton* presets[8] = {};
    for (int i = 0; i < 8; ++i) {
        const int column = i % 4;
        const int row = i / 4;
        presets[i] = makeSpeedButton(presetNames[i], presetCaptions[i],
                                     QRect(250 + column * 50, rowY[row], 48, 26));
    }
    btn3 = presets[0];
    btn4 = presets[1];
    btn5 = presets[2];
    btn6 = presets[3];
    btn7 = presets[4];
    btn8 = presets[5];
    btn9 = presets[6];
    btn10 = presets[7];

    // The protection rows: level, Set, and the enable switch.
    struct ProtectionRow {
        TFlatSpinEditFloat*& edit;
        QToolButton*& setButton;
        QLabel*& enableLabel;
        TStateImage*& enableSwitch;
        const char* names[4];
        const char* caption;
        const char* unit;
        double maxValue;
        int y;
    };
    ProtectionRow rows[2] = {
        {edt3,
         SpeedButton3,
         Label1,
         img1,
         {"edt3", "SpeedButton3", "Label1", "img1"},
         "OVP:",
         "V",
         36,
         rowY[2]},
        {edt4,
         SpeedButton4,
         Label2,
         img3,
         {"edt4", "SpeedButton4", "Label2", "img3"},
         "OCP:",
         "A",
         3,
         rowY[3]},
    };
    for (ProtectionRow& row : rows) {
        makeLabel(row.caption, 4, row.y, 74, Qt::AlignRight);
        row.edit = makeEdit(row.names[0], row.maxValue, row.y);
        makeLabel(row.unit, 174, row.y, 16, Qt::AlignLeft);
        row.setButton = makeSpeedButton(row.names[1], "Set", QRect(194, row.y, 48, 26));
        row.enableLabel = makeLabel("Enable", 250, row.y, 60, Qt::AlignRight);
        row.enableLabel->setObjectName(row.names[2]);
        row.enableSwitch = new TStateImage(grp2);
        row.enableSwitch->setObjectName(row.names[3]);
        row.enableSwitch->SetState1Picture(widgets::SlideSwitchPicture(false));
        row.enableSwitch->SetState2Picture(widgets::SlideSwitchPicture(true));
        row.enableSwitch->move(318, row.y);
        row.enableSwitch->setCursor(Qt::PointingHandCursor);
    }
}

void TForm1::CreateOutputGroup(QWidget* panel) {
    grp3 = new QGroupBox("Output", panel);
    grp3->setObjectName("grp3");
    grp3->setFont(PixelFont(16));
    grp3->setGeometry(468, 126, kClientWidth - 474, 170);
    grp3->setEnabled(false);

    ildrctngl1 = new TiLedRectangle(grp3);
    ildrctngl1->setObjectName("ildrctngl1");
    ildrctngl1->setGeometry((grp3->width() - 49) / 2, 52, 49, 17);
    ildrctngl1->SetBevelStyle(TiBorderStyle::ibsLowered);
    ildrctngl1->SetShowReflection(false);
    ildrctngl1->SetCenterLabelWordWrap(true);

    img2 = new TStateImage(grp3);
    img2->setObjectName("img2");
    img2->SetState1Picture(widgets::RockerSwitchPicture(false));
    img2->SetState2Picture(widgets::RockerSwitchPicture(true));
    img2->move((grp3->width() - 48) / 2, 92);
    img2->setCursor(Qt::PointingHandCursor);
}

void TForm1::CreateStatusBar() {
    stat1 = new TStatusBar(this);
    stat1->setObjectName("stat1");
    stat1->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    stat1->AddPanel(160, kPleaseConnect, true);
    stat1->AddPanel(110);
    stat1->AddPanel(200);
    stat1->AddPanel(50);
    stat1->SetTag(0);
}

void TForm1::FillControls() {
    controls_.cm1 = cm1;
    controls_.cmd_timer = cmd_timer;
    controls_.act_cmd_timer = act_cmd_timer;
    controls_.act_connect_ok = act_connect_ok;
    controls_.act_connect_error = act_connect_error;
    controls_.mainWindow = this;
    controls_.isvnsgmntnlg1 = isvnsgmntnlg1;
    controls_.isvnsgmntnlg2 = isvnsgmntnlg2;
    controls_.iSevenSegmentAnalog1 = iSevenSegmentAnalog1;
    controls_.iLedRectangle1 = iLedRectangle1;
    controls_.iLedRectangle2 = iLedRectangle2;
    controls_.ildrctngl1 = ildrctngl1;
    controls_.img1 = img1;
    controls_.img2 = img2;
    controls_.img3 = img3;
    controls_.edt1 = edt1;
    controls_.edt2 = edt2;
    controls_.edt3 = edt3;
    controls_.edt4 = edt4;
    controls_.btn20 = btn20;
    controls_.stat1 = stat1;
}

void TForm1::OnAction(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this,
            [handler = std::move(handler)] { TApplication::RunHandler(handler); });
}

void TForm1::BindHandlers() {
    OnAction(act_connect, [this] { act_connectExecute(); });
    OnAction(act_disconnect, [this] { act_disconnectExecute(); });
    OnAction(act_connect_ok, [this] { act_connect_okExecute(); });
    OnAction(act_connect_error, [this] { act_connect_errorExecute(); });
    OnAction(act_cmd_timer, [this] { SchedulerTick(controls_); });
    connect(cmd_timer, &QTimer::timeout, act_cmd_timer, &QAction::trigger);

    connect(btn16, &QToolButton::clicked, act_connect, &QAction::trigger);
    connect(btn1, &QToolButton::clicked, act_disconnect, &QAction::trigger);
    connect(btn12, &QToolButton::clicked, act_cmd_recall, &QAction::trigger);
    connect(btn2, &QToolButton::clicked, act_cmd_save, &QAction::trigger);
    connect(btn13, &QToolButton::clicked, this, &TForm1::btn13Click);
    connect(btn20, &QToolButton::clicked, this, &TForm1::btn20Click);
    connect(btn17, &QToolButton::clicked, this, &TForm1::btn17Click);
    connect(ToolButton1, &QToolButton::clicked, this, &QWidget::close);
    BindOperatorControls();

    cm1->OnReceiveData = [this](TComm* sender, const char* buffer, std::uint16_t length) {
        cm1ReceiveData(sender, buffer, length);
    };
    stat1->OnDrawPanel = [this](TStatusBar* bar, QPainter& canvas, int panel, const QRect& rect) {
        stat1DrawPanel(bar, canvas, panel, rect);
    };
}

void TForm1::BindOperatorControls() {
    OnAction(act_cmd_vol_change, [this] { controls::act_cmd_vol_change(controls_); });
    OnAction(act_cmd_ovp_en, [this] { controls::act_cmd_ovp_en(controls_); });
    OnAction(act_cmd_ocp_en, [this] { controls::act_cmd_ocp_en(controls_); });
    OnAction(act_cmd_ovp_v, [this] { controls::act_cmd_ovp_v(controls_); });
    OnAction(act_cmd_ocp_i, [this] { controls::act_cmd_ocp_i(controls_); });
    OnAction(act_cmd_outp, [this] { controls::act_cmd_outp(controls_); });
    OnAction(act_cmd_rang_low, [] { controls::act_cmd_rang_low(); });
    OnAction(act_cmd_rang_high, [] { controls::act_cmd_rang_high(); });
    OnAction(act_cmd_recall, [this] {
        if (slotDialog_ != nullptr) {
            controls::act_cmd_recall(*slotDialog_);
        }
    });
    OnAction(act_cmd_save, [this] {
        if (slotDialog_ != nullptr) {
            controls::act_cmd_save(*slotDialog_);
        }
    });
    OnAction(act_cmd_recall_do, [this] {
        if (slotDialog_ != nullptr) {
            controls::act_cmd_recall_do(controls_, *slotDialog_);
        }
    });
    OnAction(act_cmd_save_do, [this] {
        if (slotDialog_ != nullptr) {
            controls::act_cmd_save_do(*slotDialog_);
        }
    });

    connect(SpeedButton1, &QToolButton::clicked, act_cmd_vol_change, &QAction::trigger);
    connect(SpeedButton3, &QToolButton::clicked, act_cmd_ovp_v, &QAction::trigger);
    connect(SpeedButton4, &QToolButton::clicked, act_cmd_ocp_i, &QAction::trigger);
    QToolButton* presets[8] = {btn3, btn4, btn5, btn6, btn7, btn8, btn9, btn10};
    for (int i = 0; i < 8; ++i) {
        connect(presets[i], &QToolButton::clicked, this,
                [this, i] { controls::PresetClick(controls_, i); });
    }
    for (TFlatSpinEditFloat* edit : {edt1, edt2, edt3, edt4}) {
        edit->OnKeyPress = [](TFlatSpinEditFloat* sender, char& key) {
            controls::EditKeyPress(sender, key);
        };
    }
    img1->OnMouseDown = [this](TStateImage*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
        act_cmd_ovp_en->trigger();
    };
    img3->OnMouseDown = [this](TStateImage*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
        act_cmd_ocp_en->trigger();
    };
    img2->OnMouseDown = [this](TStateImage*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
        img2MouseDown();
    };
}

void TForm1::ConnectWindows(TForm2* about, TForm3* portDialog, TForm5* progress,
                            TForm6* slotDialog) {
    about_ = about;
    portDialog_ = portDialog;
    slotDialog_ = slotDialog;
    controls_.Form5 = progress;
    controls_.Form2_Label3 = about != nullptr ? about->Label3 : nullptr;
    controls_.Form2_Label4 = about != nullptr ? about->Label4 : nullptr;
    controls_.Form6_iIntegerOutput1 = slotDialog != nullptr ? slotDialog->iIntegerOutput1 : nullptr;
    if (portDialog != nullptr) {
        portDialog->SetComm(cm1);
    }
    if (slotDialog != nullptr) {
        slotDialog->SetMainWindowParts(this, tlb1, grp2, grp3, act_cmd_recall_do, act_cmd_save_do);
    }
}

void TForm1::btn13Click() {
    // The port settings may change only while no connection is being made or held.
    if (btn16->isEnabled() && portDialog_ != nullptr) {
        portDialog_->ShowModalOver(this);
    }
}

void TForm1::btn17Click() {
    if (about_ != nullptr) {
        about_->ShowOver(this);
    }
}

void TForm1::btn20Click() {
    if (btn20->ImageIndex() == kRangeButtonShowsHigh) {
        act_cmd_rang_high->trigger();
    } else if (btn20->ImageIndex() == kRangeButtonShowsLow) {
        act_cmd_rang_low->trigger();
    }
}

void TForm1::img2MouseDown() {
    ildrctngl1->SetActive(!ildrctngl1->Active());
    act_cmd_outp->trigger();
}

void TForm1::FormCreate() {
    CreateSessionLists();
}

void TForm1::EnableToolbarForNoConnection() {
    btn16->setEnabled(true);
    btn1->setEnabled(false);
    btn12->setEnabled(false);
    btn2->setEnabled(false);
    btn13->setEnabled(true);
    btn17->setEnabled(true);
}

void TForm1::FormShow() {
    EnableToolbarForNoConnection();

    SessionPhase = 0;
    SyncIndex = 0;
    PollIndex = 0;

    FillSyncList();
    FillPollList();

    UserQueue->clear();
    UserQueueArgs->clear();

    LinkConfirmed = 0;
}

void TForm1::FormClose() {
    act_disconnect->trigger();
    DestroySessionLists();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    event->accept();
    // Closing the main window ends the program.
    QCoreApplication::quit();
}

void TForm1::cm1ReceiveData(TComm*, const char* Buffer, std::uint16_t BufferLength) {
    // Receive events the component had queued before the port closed may still arrive
    // after the window has closed and freed the session lists: they reach nothing.
    if (closed_ || !SessionListsExist()) {
        return;
    }
    DispatchReply(controls_, Buffer, BufferLength);
}

void TForm1::stat1DrawPanel(TStatusBar* StatusBar, QPainter& Canvas, int Panel, const QRect&) {
    if (Panel != 0) {
        return;
    }
    // The coordinates are those of the bar itself, where panel 0 starts at the left edge.
    Canvas.drawPixmap(2, 5, il1.Picture(StatusBar->Tag()));
    Canvas.setPen(StatusBar->palette().color(QPalette::WindowText));
    Canvas.setFont(StatusBar->font());
    const int textLeft = il1.Width() + 4;
    Canvas.drawText(QRect(textLeft, 3, StatusBar->PanelRect(0).width() - textLeft, 16),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, StatusBar->PanelText(0));
}

void TForm1::act_connectExecute() {
    cm1->StopComm();
    cm1->StartComm();  // an error here ends the action and is shown to the operator
    SessionPhase = 1;
    btn13->setEnabled(false);
    btn16->setEnabled(false);
    act_cmd_timer->trigger();
}

void TForm1::act_disconnectExecute() {
    EnableToolbarForNoConnection();
    btn20->setVisible(false);
    DisarmCmdTimer(controls_);
    platform::Sleep(200);
    SendSystLocal(*cm1);
    platform::Sleep(10);
    cm1->StopComm();
    stat1->SetPanelText(0, kPleaseConnect);
    stat1->SetTag(0);
    grp2->setEnabled(false);
    grp3->setEnabled(false);
    LinkConfirmed = 0;
}

void TForm1::act_connect_okExecute() {
    btn16->setEnabled(false);
    btn1->setEnabled(true);
    btn12->setEnabled(true);
    btn2->setEnabled(true);
    stat1->SetPanelText(0, kOpenSuccess);
    stat1->SetTag(1);
    grp2->setEnabled(true);
    grp3->setEnabled(true);
}

void TForm1::act_connect_errorExecute() {
    btn16->setEnabled(true);
    btn13->setEnabled(true);
    btn1->setEnabled(false);
    btn12->setEnabled(false);
    btn2->setEnabled(false);
    grp2->setEnabled(false);
    grp3->setEnabled(false);
}
