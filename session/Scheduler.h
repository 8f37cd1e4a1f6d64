#pragma once
// The command scheduler: one tick sends at most one command. While synchronising it walks
// SyncList once, showing Form5; then it sends the operator's queued commands ahead of the
// round-robin PollList. The reply to each command (or cmd_timer, 500 ms later) runs the
// next tick.

#include "session/SessionControls.h"

// act_cmd_timer's handler: one tick on the GUI thread.
void SchedulerTick(const SessionControls& controls);

// cmd_timer's tick handler: the command sent last got no reply within 500 ms. Tells the
// link's health, then executes act_cmd_timer.
void cmd_timerTimer(const SessionControls& controls);

// Replace SyncList and PollList by the synchronisation and polling commands.
void FillSyncList();
void FillPollList();

// cmd_timer is disarmed between ticks; arming starts a fresh 500 ms countdown.
void DisarmCmdTimer(const SessionControls& controls);
void ArmCmdTimer(const SessionControls& controls);
