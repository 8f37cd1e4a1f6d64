#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace platform {

void RaiseCurrentThreadPriority(int steps) {
    // On Linux a nice value set for a thread id applies to that thread alone.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), -steps);
}

}  // namespace platform
