#pragma once
// The device session's shared state: the phase of the scheduler, its positions in the
// synchronisation and polling lists, whether the link is confirmed, and the four command
// lists. Touched only on the GUI thread. The lists exist from the main window's creation
// (CreateSessionLists) until it closes (DestroySessionLists).

#include <QStringList>
#include <cstdint>
#include <memory>

// The values of SessionPhase.
inline constexpr std::int32_t kSessionIdle = 0;           // before the first connect
inline constexpr std::int32_t kSessionSynchronising = 1;  // reading the instrument's state
inline constexpr std::int32_t kSessionPolling = 2;        // polling, operator commands first

// One of the kSession values.
extern std::int32_t SessionPhase;
extern std::int32_t SyncIndex;
extern std::int32_t PollIndex;
extern std::int32_t LinkConfirmed;

// Command entries are CommandIds as decimal text; UserQueueArgs holds the argument of the
// UserQueue entry at the same position.
extern std::unique_ptr<QStringList> SyncList;
extern std::unique_ptr<QStringList> PollList;
extern std::unique_ptr<QStringList> UserQueue;
extern std::unique_ptr<QStringList> UserQueueArgs;

void CreateSessionLists();
void DestroySessionLists();
bool SessionListsExist();
