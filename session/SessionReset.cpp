#include "session/SessionReset.h"

#include "session/Scheduler.h"
#include "session/SessionState.h"

void ResetSession() {
    SessionPhase = kSessionIdle;
    SyncIndex = 0;
    PollIndex = 0;

    FillSyncList();
    FillPollList();

    UserQueue->clear();
    UserQueueArgs->clear();

    LinkConfirmed = 0;
}
