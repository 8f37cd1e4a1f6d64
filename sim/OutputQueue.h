#pragma once
// The instrument's transmitter: answers wait out their latency and then leave one
// character time apart (ten bits per character at the configured rate), one after another,
// never overlapping.

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "sim/AnswerFaults.h"

namespace sim {

using SteadyTime = std::chrono::steady_clock::time_point;

class OutputQueue {
  public:
    struct FinishedPart {
        std::string bytes;
        SteadyTime firstByte;
        SteadyTime lastByte;
    };

    // Queues the parts of one answer; the first starts no earlier than readyAt.
    void schedule(const std::vector<OutgoingPart>& parts, SteadyTime readyAt, int baud);
    // When the next character is due; nothing when all is sent.
    std::optional<SteadyTime> nextDue() const;
    // The characters due by now, in order; parts that are complete are reported in finished.
    std::string takeDue(SteadyTime now, std::vector<FinishedPart>& finished);
    bool empty() const { return parts_.empty(); }

  private:
    struct Part {
        std::string bytes;
        SteadyTime start;
        std::chrono::nanoseconds charTime;
        std::size_t sent = 0;
        SteadyTime firstByte{};
    };
    std::deque<Part> parts_;
    SteadyTime busyUntil_{};
};

}  // namespace sim
