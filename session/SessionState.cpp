#include "session/SessionState.h"

std::int32_t SessionPhase = kSessionIdle;
std::int32_t SyncIndex = 0;
std::int32_t PollIndex = 0;
std::int32_t LinkConfirmed = 0;

std::unique_ptr<QStringList> SyncList;
std::unique_ptr<QStringList> PollList;
std::unique_ptr<QStringList> UserQueue;
std::unique_ptr<QStringList> UserQueueArgs;

void CreateSessionLists() {
    SyncList = std::make_unique<QStringList>();
    PollList = std::make_unique<QStringList>();
    UserQueue = std::make_unique<QStringList>();
    UserQueueArgs = std::make_unique<QStringList>();
}

void DestroySessionLists() {
    SyncList.reset();
    PollList.reset();
    UserQueue.reset();
    UserQueueArgs.reset();
}

bool SessionListsExist() {
    return SyncList && PollList && UserQueue && UserQueueArgs;
}
