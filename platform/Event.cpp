#include "platform/Event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace platform {

std::unique_ptr<Event> Event::Create() {
    const int fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0) {
        return nullptr;
    }
    try {
        return std::unique_ptr<Event>(new Event(fd));
    } catch (...) {
        close(fd);  // out of memory for the object: the descriptor must not stay behind
        throw;
    }
}

Event::~Event() {
    close(fd_);
}

void Event::Set() {
    // The counter only has to become non-zero; a full counter (EAGAIN) is already set.
    const std::uint64_t one = 1;
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void Event::Reset() {
    std::uint64_t value = 0;
    while (read(fd_, &value, sizeof value) < 0 && errno == EINTR) {
    }
}

bool Event::IsSet() const {
    pollfd entry{fd_, POLLIN, 0};
    int ready;
    do {
        ready = poll(&entry, 1, 0);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (entry.revents & POLLIN) != 0;
}

int WaitForEither(const Event& first, const Event& second) {
    for (;;) {
        pollfd entries[2] = {{first.Descriptor(), POLLIN, 0}, {second.Descriptor(), POLLIN, 0}};
        if (poll(entries, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (entries[0].revents != 0) {
            return 0;
        }
        if (entries[1].revents != 0) {
            return 1;
        }
    }
}

}  // namespace platform
