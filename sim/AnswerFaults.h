#pragma once
// Turns one answer line into what the wire carries under the faults in force: nothing, a
// late answer, two parts with a pause, corrupted bytes, or the answer twice.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sim/SimOptions.h"

namespace sim {

// How late a flaky answer comes when no lateness is configured: beyond the panel's 500 ms
// wait for a reply.
inline constexpr int kFlakyLateMs = 600;

struct OutgoingPart {
    std::string bytes;
    int pauseBeforeMs = 0;  // after the previous part; for the first, after the latency
};

// For flaky mode, one fault is drawn per answer from the random source; "none" is one of
// the equally likely outcomes.
std::vector<OutgoingPart> shapeAnswer(const std::string& answerLine, FaultSettings faults,
                                      std::mt19937& random, std::uint32_t& garbleState);

}  // namespace sim
