#include "tests/serial/PtyPair.h"

#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

PtyPair::PtyPair() {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    slaveName_ = name;
}

PtyPair::~PtyPair() {
    CloseMaster();
    close(slave_);
}

void PtyPair::Send(const std::string& bytes) {
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + offset, bytes.size() - offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw std::runtime_error("write to pty master failed");
        }
        offset += static_cast<std::size_t>(n);
    }
}

std::string PtyPair::Receive(std::size_t count, int timeoutMs) {
    std::string got;
    char chunk[4096];
    while (got.size() < count) {
        pollfd entry{master_, POLLIN, 0};
        if (poll(&entry, 1, timeoutMs) <= 0) {
            break;
        }
        const ssize_t n = read(master_, chunk, std::min(sizeof chunk, count - got.size()));
        if (n <= 0) {
            break;
        }
        got.append(chunk, static_cast<std::size_t>(n));
    }
    return got;
}

void PtyPair::CloseMaster() {
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}
