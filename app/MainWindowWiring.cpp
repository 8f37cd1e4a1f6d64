// The main window's wiring: what the session and the operator actions are handed, which
// handler each action and control runs, and the links to the other windows.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "app/About.h"
#include "app/LinkSupervision.h"
#include "app/TApplication.h"
#include "app/Unit1.h"
#include "controls/OperatorActions.h"
#include "controls/Unit6.h"
#include "serial/Com_config.h"
#include "serial/TComm.h"
#include "session/Scheduler.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiLedRectangle.h"

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

    linkSupervision_ = new LinkSupervision(
        controls_, {[this] { return TryConnectQuietly(); }, [this] { ShowLinkConfirmed(); }}, this);
    controls_.linkHealth = &linkSupervision_->Health();
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
    // The timer's tick, unlike a reply's, tells the link's health a reply is missing.
    connect(cmd_timer, &QTimer::timeout, this, [this] { cmd_timerTimer(controls_); });

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
    cm1->OnRequestHangup = [this](TComm*) {
        if (!closed_) {
            linkSupervision_->LineLost();
        }
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
