#include "platform/SerialDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <utility>

namespace platform {
namespace {

// Linux offers no wait for modem-line changes that poll() can join, so a device that keeps
// line counters is looked at this often while a read waits; one without them waits freely.
constexpr int kLineCheckMs = 200;

// Closes a descriptor unless it is handed on.
class FdGuard {
  public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

IoStatus StatusForErrno(int error) {
    switch (error) {
        case EIO:
        case ENXIO:
        case ENODEV:
            return IoStatus::Gone;
        case EBADF:
            return IoStatus::InvalidHandle;
        default:
            return IoStatus::Failed;
    }
}

// Device time-outs measure real time: a test's virtual program clock must not stall the
// line, so the deadlines here use the monotonic clock directly.
using MonotonicClock = std::chrono::steady_clock;

int MillisecondsUntil(MonotonicClock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - MonotonicClock::now())
            .count();
    // Round up so that a wait never ends before its deadline.
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left + 1, 1 << 30));
}

}  // namespace

OpenError OpenErrorForErrno(int error) {
    return error == EACCES || error == EPERM ? OpenError::NoPermission : OpenError::CannotOpen;
}

std::string SerialDevice::PathForName(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return name;
    }
    return "/dev/" + name;
}

std::unique_ptr<SerialDevice> SerialDevice::Open(const std::string& name, OpenError& error) {
    error = OpenError::CannotOpen;
    if (name.empty()) {
        return nullptr;
    }
    const std::string path = PathForName(name);
    FdGuard fd(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        error = OpenErrorForErrno(errno);
        return nullptr;
    }
    // The advisory lock keeps out other programs that lock too, and, unlike TIOCEXCL, also
    // a second opener running as root.
    if (flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        return nullptr;
    }
    struct stat info {};
    if (fstat(fd.get(), &info) != 0 || !S_ISCHR(info.st_mode)) {
        error = OpenError::NotCharacterDevice;
        return nullptr;
    }
    termios tio{};
    if (tcgetattr(fd.get(), &tio) != 0) {
        error = OpenError::NotTerminal;
        return nullptr;
    }
    // Refuses further opens by programs that do not lock (except root's).
    ioctl(fd.get(), TIOCEXCL);

    error = OpenError::None;
    std::unique_ptr<SerialDevice> device(new SerialDevice(fd.release()));
    device->countersSupported_ = ReadLineCounters(device->fd_, device->lastCounters_);
    return device;
}

SerialDevice::SerialDevice(int fd) : fd_(fd) {}

SerialDevice::~SerialDevice() {
    ioctl(fd_, TIOCNXCL);
    close(fd_);  // also releases the lock
}

bool SerialDevice::ApplyLineSettings(const LineSettings& settings) {
    discardNulls_.store(settings.discardNulls);
    bool applied = false;
    termios tio{};
    if (tcgetattr(fd_, &tio) == 0) {
        FillTermios(settings, tio);
        applied = tcsetattr(fd_, TCSANOW, &tio) == 0;
    }
    applied = SetLineSpeed(fd_, settings.baudRate) && applied;
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    // Devices without modem lines (pseudo-terminals) refuse these; nothing is lost.
    ioctl(fd_, settings.dtrRaised ? TIOCMBIS : TIOCMBIC, &dtr);
    ioctl(fd_, settings.rtsRaised ? TIOCMBIS : TIOCMBIC, &rts);
    return applied;
}

void SerialDevice::SetTimeouts(const Timeouts& timeouts) {
    std::lock_guard lock(timeoutsMutex_);
    timeouts_ = timeouts;
}

Timeouts SerialDevice::GetTimeouts() const {
    std::lock_guard lock(timeoutsMutex_);
    return timeouts_;
}

void SerialDevice::PurgeReceive() {
    tcflush(fd_, TCIFLUSH);
}

void SerialDevice::PurgeTransmit() {
    tcflush(fd_, TCOFLUSH);
}

std::uint32_t SerialDevice::ModemStatus() const {
    int lines = 0;
    if (ioctl(fd_, TIOCMGET, &lines) != 0) {
        return 0;
    }
    std::uint32_t status = 0;
    if (lines & TIOCM_CTS) {
        status |= kModemStatusCts;
    }
    if (lines & TIOCM_DSR) {
        status |= kModemStatusDsr;
    }
    if (lines & TIOCM_RNG) {
        status |= kModemStatusRing;
    }
    if (lines & TIOCM_CAR) {
        status |= kModemStatusCarrier;
    }
    return status;
}

void SerialDevice::ReportLineEvents(const std::function<void(const LineEvents&)>& onLineEvents) {
    if (!countersSupported_) {
        return;
    }
    LineCounters now;
    if (!ReadLineCounters(fd_, now)) {
        return;
    }
    const LineEvents events = LineEventsBetween(lastCounters_, now);
    lastCounters_ = now;
    if ((events.errorBits | events.modemBits) != 0 && onLineEvents) {
        onLineEvents(events);
    }
}

ReadResult SerialDevice::Read(char* buffer, std::size_t capacity, const Event& stop,
                              const std::function<void(const LineEvents&)>& onLineEvents) {
    const Timeouts limits = GetTimeouts();
    // The largest interval means "return what is there": here, as soon as any byte is.
    const bool returnAtOnce = limits.readInterval == std::numeric_limits<std::uint32_t>::max();
    const std::uint64_t totalMs =
        std::uint64_t{limits.readTotalMultiplier} * capacity + limits.readTotalConstant;
    const auto start = MonotonicClock::now();
    const auto totalDeadline = start + std::chrono::milliseconds(totalMs);
    auto intervalDeadline = MonotonicClock::time_point::max();

    std::size_t count = 0;
    for (;;) {
        // The nearest of the limits in force; -1 waits without limit.
        int waitMs = -1;
        bool limitIsReal = false;
        if (totalMs != 0) {
            waitMs = MillisecondsUntil(totalDeadline);
            limitIsReal = true;
        }
        if (count > 0 && limits.readInterval != 0) {
            const int intervalMs = MillisecondsUntil(intervalDeadline);
            if (waitMs < 0 || intervalMs < waitMs) {
                waitMs = intervalMs;
            }
            limitIsReal = true;
        }
        if (countersSupported_ && (waitMs < 0 || waitMs > kLineCheckMs)) {
            waitMs = kLineCheckMs;
            limitIsReal = false;
        }

        pollfd waits[2] = {{stop.Descriptor(), POLLIN, 0}, {fd_, POLLIN, 0}};
        const int ready = poll(waits, 2, waitMs);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {IoStatus::Failed, count};
        }
        if (waits[0].revents != 0) {
            return {IoStatus::Stopped, count};
        }
        ReportLineEvents(onLineEvents);
        if (ready == 0) {
            if (limitIsReal || (count > 0 && MonotonicClock::now() >= intervalDeadline) ||
                (totalMs != 0 && MonotonicClock::now() >= totalDeadline)) {
                return {IoStatus::Done, count};
            }
            continue;
        }
        if (waits[1].revents & POLLNVAL) {
            return {IoStatus::InvalidHandle, count};
        }
        if (waits[1].revents & POLLIN) {
            const ssize_t got = read(fd_, buffer + count, capacity - count);
            if (got > 0) {
                auto kept = static_cast<std::size_t>(got);
                if (discardNulls_.load()) {
                    char* first = buffer + count;
                    kept = static_cast<std::size_t>(std::remove(first, first + kept, '\0') - first);
                }
                count += kept;
                intervalDeadline =
                    MonotonicClock::now() + std::chrono::milliseconds(limits.readInterval);
                if (count == capacity || (returnAtOnce && count > 0)) {
                    return {IoStatus::Done, count};
                }
                continue;
            }
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
                continue;
            }
            // End of file after readiness, or EIO: the device is gone. Bytes already read
            // are delivered first; the next read reports the loss.
            const IoStatus status = got == 0 ? IoStatus::Gone : StatusForErrno(errno);
            return {count > 0 ? IoStatus::Done : status, count};
        }
        if (waits[1].revents & (POLLHUP | POLLERR)) {
            return {count > 0 ? IoStatus::Done : IoStatus::Gone, count};
        }
    }
}

IoStatus SerialDevice::Write(const char* data, std::size_t count, const Event& stop) {
    std::size_t offset = 0;
    while (offset < count) {
        if (stop.IsSet()) {
            return IoStatus::Stopped;
        }
        const ssize_t written = write(fd_, data + offset, count - offset);
        if (written > 0) {
            offset += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            return StatusForErrno(errno);
        }
        // The driver's queue is full: wait for room or for the stop request.
        pollfd waits[2] = {{stop.Descriptor(), POLLIN, 0}, {fd_, POLLOUT, 0}};
        const int ready = poll(waits, 2, -1);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return IoStatus::Failed;
        }
        if (waits[0].revents != 0) {
            return IoStatus::Stopped;
        }
        if (waits[1].revents & POLLNVAL) {
            return IoStatus::InvalidHandle;
        }
        if ((waits[1].revents & (POLLHUP | POLLERR)) && !(waits[1].revents & POLLOUT)) {
            return IoStatus::Gone;
        }
    }
    return IoStatus::Done;
}

}  // namespace platform
