#include "tests/support/PtyPair.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

PtyPair::PtyPair(PtySlave mode) {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        master_ = -1;
        slave_ = -1;
        return;
    }
    slaveName_ = name;
    termios settings{};
    if (mode == PtySlave::Raw && tcgetattr(slave_, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(slave_, TCSANOW, &settings);
    }
}

PtyPair::~PtyPair() {
    CloseMaster();
    if (slave_ >= 0) {
        close(slave_);
    }
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

std::string PtyPair::ReceiveWithin(std::size_t count, std::chrono::milliseconds deadline) {
    using std::chrono::steady_clock;
    std::string got;
    const auto end = steady_clock::now() + deadline;
    char chunk[512];
    while (got.size() < count) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd entry{master_, POLLIN, 0};
        if (poll(&entry, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        const ssize_t n = read(master_, chunk, std::min(sizeof chunk, count - got.size()));
        if (n > 0) {
            got.append(chunk, static_cast<std::size_t>(n));
        }
    }
    return got;
}

void PtyPair::CloseMaster() {
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}
