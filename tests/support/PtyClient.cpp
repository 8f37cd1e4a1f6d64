#include "tests/support/PtyClient.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <thread>

#include "sim/LineCheck.h"

namespace simtest {

PtyClient::PtyClient(const std::string& path, const sim::LineSettings& line) {
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ >= 0 && !setLine(line)) {
        ::close(fd_);
        fd_ = -1;
    }
}

PtyClient::~PtyClient() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool PtyClient::setLine(const sim::LineSettings& line) {
    return sim::applyLineSettings(fd_, line);
}

void PtyClient::send(std::string_view line) {
    std::string bytes(line);
    bytes.push_back('\n');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        }
    }
}

std::string PtyClient::readLine(milliseconds timeout) {
    std::string got;
    const auto deadline = Clock::now() + timeout;
    while (got.empty() || got.back() != '\n') {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        pollfd pfd{fd_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0 ||
            (pfd.revents & POLLIN) == 0) {
            break;
        }
        char c = 0;
        if (::read(fd_, &c, 1) == 1) {
            got.push_back(c);
        }
    }
    return got;
}

std::string PtyClient::readFor(milliseconds window) {
    std::string got;
    const auto deadline = Clock::now() + window;
    while (true) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        pollfd pfd{fd_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0 ||
            (pfd.revents & POLLIN) == 0) {
            return got;
        }
        std::array<char, 256> buffer{};
        const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
        if (n > 0) {
            got.append(buffer.data(), static_cast<std::size_t>(n));
        }
    }
}

bool PtyClient::seesHangup(milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, 50) > 0) {
            if ((pfd.revents & POLLHUP) != 0) {
                return true;
            }
            std::array<char, 64> buffer{};
            const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
            if (n == 0 || (n < 0 && errno == EIO)) {
                return true;
            }
        }
    }
    return false;
}

bool waitUntil(const std::function<bool()>& condition, milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(milliseconds(1));  // polling interval, not a synchronisation
    }
    return true;
}

}  // namespace simtest
