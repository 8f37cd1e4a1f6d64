#pragma once
// Raising a worker thread above the others, where the system allows it.

namespace platform {

// Raises the calling thread by steps (1 or 2) above normal. Without the privilege to do so
// the thread stays at normal priority: that only costs latency under load.
void RaiseCurrentThreadPriority(int steps);

}  // namespace platform
