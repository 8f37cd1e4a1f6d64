#include "app/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QScreen>

#include "app/About.h"
#include "app/ConnectionStates.h"
#include "app/Pictures.h"
#include "serial/Com_config.h"
#include "serial/TComm.h"
#include "session/Dispatcher.h"
#include "session/PictureIndices.h"
#include "session/SessionReset.h"
#include "session/SessionState.h"
#include "widgets/StatusPanels.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiLedRectangle.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent)
    : QWidget(parent), il1(pictures::MakeStatusImages()), il2(pictures::MakeToolbarImages()) {
    CreateLayout();
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
        cm1->OnRequestHangup = nullptr;
        cm1->StopComm();
    }
    if (Form1 == this) {
        Form1 = nullptr;
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
    if (btn20->ImageIndex() == pictures::kToolbarWordHigh) {
        act_cmd_rang_high->trigger();
    } else if (btn20->ImageIndex() == pictures::kToolbarWordLow) {
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

void TForm1::FormShow() {
    ApplyConnectionState(ConnectionState::StartUp, *this);
    ResetSession();
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
    if (Panel != widgets::kLinkPanel) {
        return;
    }
    // The coordinates are those of the bar itself, where panel 0 starts at the left edge.
    Canvas.drawPixmap(2, 5, il1.Picture(StatusBar->Tag()));
    Canvas.setPen(StatusBar->palette().color(QPalette::WindowText));
    Canvas.setFont(StatusBar->font());
    const int textLeft = il1.Width() + 4;
    Canvas.drawText(
        QRect(textLeft, 3, StatusBar->PanelRect(widgets::kLinkPanel).width() - textLeft, 16),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
        StatusBar->PanelText(widgets::kLinkPanel));
}
