#include "sim/SimulatedInstrument.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "sim/AnswerFaults.h"
#include "sim/LineCheck.h"

namespace sim {
namespace {

std::int64_t micros(SteadyTime t) {
    return std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
}

timespec untilDue(SteadyTime due, SteadyTime now) {
    const auto wait = std::max(due - now, SteadyTime::duration::zero());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace

std::int64_t steadyMicros() {
    return micros(std::chrono::steady_clock::now());
}

SimulatedInstrument::SimulatedInstrument(SimOptions options)
    : options_(std::move(options)),
      model_(options_),
      faults_(options_.faults),
      faultRandom_(options_.seed),
      garbleState_(options_.seed) {}

SimulatedInstrument::~SimulatedInstrument() {
    stop();
}

bool SimulatedInstrument::start(std::string* error) {
    if (thread_.joinable()) {
        if (error != nullptr) {
            *error = "the simulated instrument is already running";
        }
        return false;
    }
    std::string reason;
    const auto fail = [&] {
        if (error != nullptr) {
            *error = reason;
        }
        link_.reset();
        pty_.reset();
        wakeRead_.reset();
        wakeWrite_.reset();
        return false;
    };
    LineSettings line;
    {
        std::lock_guard lock(mutex_);
        line = model_.state().line;
    }
    pty_ = PtyLine::open(line, &reason);
    if (!pty_) {
        return fail();
    }
    if (!options_.linkPath.empty()) {
        link_ = DeviceLink::create(options_.linkPath, pty_->path(), &reason);
        if (!link_) {
            return fail();
        }
    }
    std::array<int, 2> wake{};
    if (pipe2(wake.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        reason = std::string("cannot create the stop signal: ") + std::strerror(errno);
        return fail();
    }
    wakeRead_.reset(wake[0]);
    wakeWrite_.reset(wake[1]);
    {
        std::lock_guard lock(mutex_);
        path_ = pty_->path();
        lineDropped_ = false;
    }
    output_ = OutputQueue();
    inputLine_.clear();
    discardingLine_ = false;
    pendingWrite_.clear();
    commandsSeen_ = 0;
    dropPending_ = false;
    stopRequested_ = false;
    running_ = true;
    thread_ = std::thread([this] { run(); });
    return true;
}

void SimulatedInstrument::stop() {
    if (!thread_.joinable()) {
        return;
    }
    stopRequested_ = true;
    const char wakeByte = 1;
    // The pipe holds far more than one byte; a full pipe already wakes the worker.
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite_.get(), &wakeByte, 1);
    thread_.join();
    running_ = false;
    link_.reset();
    pty_.reset();
    wakeRead_.reset();
    wakeWrite_.reset();
}

void SimulatedInstrument::run() {
    std::optional<SteadyTime> dropReadyAt;
    SteadyTime clientLastBusy{};
    while (!stopRequested_.load()) {
        const SteadyTime now = std::chrono::steady_clock::now();
        std::optional<SteadyTime> due = output_.nextDue();
        if (dropPending_ && output_.empty() && pendingWrite_.empty()) {
            // Pull the plug once the client has the last answer: closing the master throws
            // away what the client has not read yet, and bytes written reach the slave's
            // queue only a little later, so its queue must stay empty for a while. A client
            // that never reads does not keep the line up for long.
            if (!dropReadyAt) {
                dropReadyAt = now;
                clientLastBusy = now;
            }
            if (clientHasUnreadBytes()) {
                clientLastBusy = now;
            }
            if (now - clientLastBusy > kDropSettle || now - *dropReadyAt > kDropGrace) {
                pty_->drop();
                std::lock_guard lock(mutex_);
                lineDropped_ = true;
                break;
            }
            due = now + std::chrono::milliseconds(2);
        }
        timespec timeout{};
        if (due) {
            timeout = untilDue(*due, now);
        }
        std::array<pollfd, 2> fds{{
            {pty_->master(), static_cast<short>(POLLIN | (pendingWrite_.empty() ? 0 : POLLOUT)), 0},
            {wakeRead_.get(), POLLIN, 0},
        }};
        const int ready = ppoll(fds.data(), fds.size(), due ? &timeout : nullptr, nullptr);
        if (ready < 0 && errno != EINTR) {
            break;
        }
        if (ready > 0 && (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            break;  // the line is gone
        }
        if (ready > 0 && (fds[0].revents & POLLIN) != 0 && !readInput()) {
            break;
        }
        if (!transmit(std::chrono::steady_clock::now())) {
            break;
        }
    }
    running_ = false;
}

bool SimulatedInstrument::clientHasUnreadBytes() const {
    int unread = 0;
    return ioctl(pty_->slave(), FIONREAD, &unread) == 0 && unread > 0;
}

bool SimulatedInstrument::readInput() {
    std::array<char, 256> buffer{};
    while (true) {
        const ssize_t count = ::read(pty_->master(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && errno == EAGAIN) {
            return true;
        }
        if (count <= 0) {
            return false;
        }
        const SteadyTime arrival = std::chrono::steady_clock::now();
        for (ssize_t i = 0; i < count; ++i) {
            const char c = buffer[static_cast<std::size_t>(i)];
            if (c == '\n') {
                if (!discardingLine_) {
                    handleLine(inputLine_, arrival);
                }
                inputLine_.clear();
                discardingLine_ = false;
            } else if (!discardingLine_) {
                inputLine_.push_back(c);
                if (inputLine_.size() > kMaxLineLength) {
                    inputLine_.clear();
                    discardingLine_ = true;
                    std::lock_guard lock(mutex_);
                    model_.rejectOverlongLine();
                }
            }
        }
    }
}

void SimulatedInstrument::handleLine(const std::string& line, SteadyTime arrival) {
    std::optional<std::string> answer;
    FaultSettings faults;
    LineSettings configured;
    {
        std::lock_guard lock(mutex_);
        received_.push_back({line, micros(arrival)});
        if (dropPending_) {
            return;  // the line is about to go; nothing more is understood
        }
        answer = model_.execute(line);
        faults = faults_;
        configured = model_.state().line;
    }
    ++commandsSeen_;
    if (faults.dropAfterCommands > 0 && commandsSeen_ >= faults.dropAfterCommands) {
        dropPending_ = true;
    }
    if (!answer) {
        return;
    }
    std::vector<OutgoingPart> parts =
        shapeAnswer(*answer + "\n", faults, faultRandom_, garbleState_);
    if (clientLineGarbles(readLineSettings(pty_->master()), configured)) {
        for (OutgoingPart& part : parts) {
            part.bytes = garbleBytes(part.bytes, garbleState_);
        }
    }
    output_.schedule(parts, arrival + std::chrono::milliseconds(options_.replyLatencyMs),
                     configured.baud);
}

bool SimulatedInstrument::transmit(SteadyTime now) {
    std::vector<OutputQueue::FinishedPart> finished;
    pendingWrite_ += output_.takeDue(now, finished);
    if (!finished.empty()) {
        std::lock_guard lock(mutex_);
        for (OutputQueue::FinishedPart& part : finished) {
            sent_.push_back({std::move(part.bytes), micros(part.firstByte), micros(part.lastByte)});
        }
    }
    while (!pendingWrite_.empty()) {
        const ssize_t written = ::write(pty_->master(), pendingWrite_.data(), pendingWrite_.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno == EAGAIN) {
            return true;  // the client is not reading; poll for room
        }
        if (written < 0) {
            return false;
        }
        pendingWrite_.erase(0, static_cast<std::size_t>(written));
    }
    return true;
}

std::string SimulatedInstrument::slavePath() const {
    std::lock_guard lock(mutex_);
    return path_;
}

InstrumentState SimulatedInstrument::state() const {
    std::lock_guard lock(mutex_);
    return model_.state();
}

void SimulatedInstrument::setLoadOhms(double ohms) {
    std::lock_guard lock(mutex_);
    model_.setLoadOhms(ohms);
}

FaultSettings SimulatedInstrument::faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void SimulatedInstrument::setFaults(const FaultSettings& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

bool SimulatedInstrument::lineDropped() const {
    std::lock_guard lock(mutex_);
    return lineDropped_;
}

std::vector<ReceivedLine> SimulatedInstrument::receivedLines() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<SentAnswer> SimulatedInstrument::answersSent() const {
    std::lock_guard lock(mutex_);
    return sent_;
}

void SimulatedInstrument::clearRecords() {
    std::lock_guard lock(mutex_);
    received_.clear();
    sent_.clear();
}

}  // namespace sim
