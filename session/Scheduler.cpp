#include "session/Scheduler.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

#include "scpi/Scpi.h"
#include "session/LinkHealth.h"
#include "session/SessionState.h"
#include "session/Unit5.h"

namespace {

// Reads the instrument's whole state; the reply to the last one confirms the link.
constexpr CommandId kSyncCommands[] = {
    cmd::SystRemote,        cmd::Cls,
    cmd::SystVersQuery,     cmd::IdnQuery,
    cmd::SystMemQuery,      cmd::OutpQuery,
    cmd::ApplyQuery,        cmd::MeasQuery,
    cmd::VoltProtQuery,     cmd::VoltProtStatQuery,
    cmd::VoltProtTripQuery, cmd::MeasCurrQuery,
    cmd::CurrProtQuery,     cmd::CurrProtStatQuery,
    cmd::CurrProtTripQuery, cmd::VoltRangQuery,
    cmd::StatOperQuery,     cmd::CurrMaxQuery,
    cmd::CurrProtMaxQuery,  cmd::VoltMaxQuery,
    cmd::VoltProtMaxQuery,
};

constexpr CommandId kPollCommands[] = {
    cmd::OutpQuery, cmd::CurrProtTripQuery, cmd::VoltProtTripQuery,
    cmd::MeasQuery, cmd::MeasCurrQuery,     cmd::MeasPowQuery,
};

template <std::size_t N>
void Fill(QStringList& list, const CommandId (&ids)[N]) {
    list.clear();
    for (const CommandId id : ids) {
        list.append(QString::number(id));
    }
}

void Send(const SessionControls& controls, const QString& idText, const QString& argument) {
    bool isNumber = false;
    const CommandId id = idText.toInt(&isNumber);
    if (isNumber) {
        SendCommand(*controls.cm1, id, argument.toLatin1().toStdString());
    }
}

void AddDot(TForm5* form) {
    form->Label3->setText(form->Label3->text() + QLatin1Char('.'));
}

void SynchronisationTick(const SessionControls& controls) {
    TForm5* form = controls.Form5;
    if (SyncIndex == 0) {
        form->Label3->setText(QStringLiteral("."));
        form->show();
    }
    if (SyncIndex < SyncList->size()) {
        Send(controls, SyncList->at(SyncIndex), {});
        ++SyncIndex;
        AddDot(form);
        if (SyncIndex >= SyncList->size()) {
            form->close();
            SyncIndex = 0;
            PollIndex = 0;
            SessionPhase = kSessionPolling;
        }
    }
}

// Returns true when the link turned out unconfirmed: the timer then stays disarmed.
bool PollingTick(const SessionControls& controls) {
    if (UserQueue->isEmpty()) {
        if (PollIndex < PollList->size()) {
            Send(controls, PollList->at(PollIndex), {});
            ++PollIndex;
            if (PollIndex >= PollList->size()) {
                PollIndex = 0;
            }
            if (LinkConfirmed == 0) {
                controls.act_connect_error->trigger();
                return true;
            }
        }
        return false;
    }
    const QString id = UserQueue->takeFirst();
    const QString argument = UserQueueArgs->takeFirst();
    Send(controls, id, argument);
    TForm5* form = controls.Form5;
    if (form->isVisible()) {
        AddDot(form);
    }
    if (UserQueue->isEmpty()) {
        form->close();
    }
    return false;
}

}  // namespace

void DisarmCmdTimer(const SessionControls& controls) {
    controls.cmd_timer->stop();
}

void ArmCmdTimer(const SessionControls& controls) {
    // A coarse timer may fire up to 5 % early, which would cut the instrument's time short.
    controls.cmd_timer->setTimerType(Qt::PreciseTimer);
    controls.cmd_timer->start(kCmdTimerMs);
}

void FillSyncList() {
    Fill(*SyncList, kSyncCommands);
}

void FillPollList() {
    Fill(*PollList, kPollCommands);
}

void cmd_timerTimer(const SessionControls& controls) {
    if (controls.linkHealth != nullptr) {
        controls.linkHealth->CommandUnanswered();
    }
    controls.act_cmd_timer->trigger();
}

void SchedulerTick(const SessionControls& controls) {
    DisarmCmdTimer(controls);
    // Receive events queued before the main window closed may still arrive; without the
    // lists there is no session left to run.
    if (!SessionListsExist()) {
        return;
    }
    bool stop = false;
    switch (SessionPhase) {
        case kSessionSynchronising:
            SynchronisationTick(controls);
            break;
        case kSessionPolling:
            stop = PollingTick(controls);
            break;
        default:
            break;  // idle before the first connect
    }
    if (!stop) {
        ArmCmdTimer(controls);
    }
}
