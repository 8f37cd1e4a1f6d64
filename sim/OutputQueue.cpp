#include "sim/OutputQueue.h"

#include <algorithm>

namespace sim {

void OutputQueue::schedule(const std::vector<OutgoingPart>& parts, SteadyTime readyAt, int baud) {
    const std::chrono::nanoseconds charTime(10'000'000'000LL / std::max(baud, 1));
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto pause = std::chrono::milliseconds(parts[i].pauseBeforeMs);
        // Lateness adds to the latency, but an answer still waits for the one before it;
        // a later part follows the end of the part before it.
        const SteadyTime start =
            i == 0 ? std::max(readyAt + pause, busyUntil_) : busyUntil_ + pause;
        if (parts[i].bytes.empty()) {
            continue;
        }
        parts_.push_back({parts[i].bytes, start, charTime});
        busyUntil_ = start + charTime * static_cast<long>(parts[i].bytes.size());
    }
}

std::optional<SteadyTime> OutputQueue::nextDue() const {
    if (parts_.empty()) {
        return std::nullopt;
    }
    const Part& front = parts_.front();
    // A character is on the receiver's side once its last bit has gone out.
    return front.start + front.charTime * static_cast<long>(front.sent + 1);
}

std::string OutputQueue::takeDue(SteadyTime now, std::vector<FinishedPart>& finished) {
    std::string due;
    while (!parts_.empty()) {
        Part& front = parts_.front();
        while (front.sent < front.bytes.size() &&
               front.start + front.charTime * static_cast<long>(front.sent + 1) <= now) {
            if (front.sent == 0) {
                front.firstByte = now;
            }
            due.push_back(front.bytes[front.sent++]);
        }
        if (front.sent < front.bytes.size()) {
            break;
        }
        finished.push_back({std::move(front.bytes), front.firstByte, now});
        parts_.pop_front();
    }
    return due;
}

}  // namespace sim
