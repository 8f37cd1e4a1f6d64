#pragma once
// What the main window hands the session, built bare for tests: the port with the panel's line
// settings (closed unless a test opens it), cmd_timer and the actions wired as the main window
// wires them, the progress window, the link's health, and the session reset as the window's
// show resets it; on a virtual clock so the senders' pauses take no time.

#include <QAction>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "serial/PanelLine.h"
#include "serial/TComm.h"
#include "session/LinkHealth.h"
#include "session/Scheduler.h"
#include "session/SessionControls.h"
#include "session/SessionReset.h"
#include "session/SessionState.h"
#include "session/Unit5.h"

class SchedulerRig {
  public:
    // virtualTime false: the senders' pauses take real time, as against an instrument.
    explicit SchedulerRig(bool virtualTime = true) {
        if (virtualTime) {
            clockOverride = std::make_unique<platform::ScopedClockOverride>(clock);
        }
        CreateSessionLists();
        ResetSession();
        ConfigurePanelLine(cm1);

        controls.cm1 = &cm1;
        controls.cmd_timer = &cmd_timer;
        controls.act_cmd_timer = &act_cmd_timer;
        controls.act_connect_ok = &act_connect_ok;
        controls.act_connect_error = &act_connect_error;
        controls.Form5 = &form5;
        controls.mainWindow = &mainWindow;
        controls.linkHealth = &linkHealth;

        QObject::connect(&cmd_timer, &QTimer::timeout, [this] { cmd_timerTimer(controls); });
        QObject::connect(&act_cmd_timer, &QAction::triggered, [this] { SchedulerTick(controls); });
        QObject::connect(&act_connect_ok, &QAction::triggered,
                         [this] { connectionEvents.push_back("ok"); });
        QObject::connect(&act_connect_error, &QAction::triggered,
                         [this] { connectionEvents.push_back("error"); });
    }
    ~SchedulerRig() {
        cm1.StopComm();
        DestroySessionLists();
    }
    SchedulerRig(const SchedulerRig&) = delete;
    SchedulerRig& operator=(const SchedulerRig&) = delete;

    // One tick, as cmd_timer or a reply would run it.
    void tick() { act_cmd_timer.trigger(); }
    bool timerArmed() const {
        return cmd_timer.isActive() && cmd_timer.interval() == 500 &&
               cmd_timer.timerType() == Qt::PreciseTimer;
    }

    platform::VirtualClock clock{1000};
    std::unique_ptr<platform::ScopedClockOverride> clockOverride;
    TComm cm1;
    QTimer cmd_timer;
    QAction act_cmd_timer;
    QAction act_connect_ok;
    QAction act_connect_error;
    QWidget mainWindow;
    TForm5 form5{&mainWindow};
    LinkHealth linkHealth;  // Disconnected, so it counts nothing, until a test starts it
    SessionControls controls;
    std::vector<std::string> connectionEvents;  // "ok" and "error", in the order run
};
