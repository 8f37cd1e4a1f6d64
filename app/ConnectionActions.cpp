// The four connection actions: each runs its steps in order and leaves the controls as the
// row of the state it leads to says.
#include <QAction>

#include "app/ConnectionStates.h"
#include "app/LinkSupervision.h"
#include "app/Unit1.h"
#include "platform/Clock.h"
#include "scpi/Scpi.h"
#include "serial/TComm.h"
#include "session/Scheduler.h"
#include "session/SessionState.h"
#include "widgets/StatusPanels.h"
#include "widgets/TStatusBar.h"

namespace {

// The instrument may still be answering the command sent last: it gets time to finish before
// the line that hands it back to local control reaches it.
constexpr std::uint32_t kPauseBeforeLocalMs = 200;
// StopComm purges what the device has not sent yet; this gives the writer thread the moment
// it needs to hand ":SYST:LOC" over first (its ten characters take about 10 ms at 9600 baud).
constexpr std::uint32_t kPauseBeforeCloseMs = 10;

}  // namespace

void TForm1::act_connectExecute() {
    cm1->StopComm();
    cm1->StartComm();  // an error here ends the action and is shown to the operator
    linkSupervision_->SessionStarting();
    SessionPhase = kSessionSynchronising;
    ApplyConnectionState(ConnectionState::Synchronising, *this);
    act_cmd_timer->trigger();
}

void TForm1::act_disconnectExecute() {
    ApplyToolbarOf(ConnectionState::Disconnected, *this);
    DisarmCmdTimer(controls_);
    platform::Sleep(kPauseBeforeLocalMs);
    SendSystLocal(*cm1);
    platform::Sleep(kPauseBeforeCloseMs);
    cm1->StopComm();
    ApplyStatusAndGroupsOf(ConnectionState::Disconnected, *this);
    LinkConfirmed = 0;
    linkSupervision_->SessionEnded();
}

void TForm1::act_connect_okExecute() {
    ApplyConnectionState(ConnectionState::Connected, *this);
    linkSupervision_->LinkShownConfirmed();
}

void TForm1::act_connect_errorExecute() {
    ApplyConnectionState(ConnectionState::LinkFailed, *this);
}

bool TForm1::TryConnectQuietly() {
    try {
        act_connectExecute();
        return true;
    } catch (const ECommsError&) {
        return false;
    }
}

void TForm1::ShowLinkConfirmed() {
    const ConnectionRow& row = RowOf(ConnectionState::Connected);
    stat1->SetPanelText(widgets::kLinkPanel, row.panel0);
    stat1->SetTag(row.tag);
}
