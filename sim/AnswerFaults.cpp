#include "sim/AnswerFaults.h"

#include "sim/LineCheck.h"

namespace sim {
namespace {

FaultSettings drawFlakyFault(const FaultSettings& configured, std::mt19937& random) {
    FaultSettings drawn;
    drawn.dropAfterCommands = configured.dropAfterCommands;
    switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 1:
            drawn.silent = true;
            break;
        case 2:
            drawn.lateMs = configured.lateMs > 0 ? configured.lateMs : kFlakyLateMs;
            break;
        case 3:
            drawn.split = true;
            break;
        case 4:
            drawn.garble = true;
            break;
        case 5:
            drawn.twice = true;
            break;
        default:
            break;  // this answer goes out clean
    }
    return drawn;
}

}  // namespace

std::vector<OutgoingPart> shapeAnswer(const std::string& answerLine, FaultSettings faults,
                                      std::mt19937& random, std::uint32_t& garbleState) {
    if (faults.flaky) {
        faults = drawFlakyFault(faults, random);
    }
    if (faults.silent) {
        return {};
    }
    const std::string bytes = faults.garble ? garbleBytes(answerLine, garbleState) : answerLine;
    std::vector<OutgoingPart> parts;
    if (faults.split && bytes.size() >= 2) {
        const std::size_t half = bytes.size() / 2;
        parts.push_back({bytes.substr(0, half), faults.lateMs});
        parts.push_back({bytes.substr(half), kSplitPauseMs});
    } else {
        parts.push_back({bytes, faults.lateMs});
    }
    if (faults.twice) {
        const std::size_t once = parts.size();
        for (std::size_t i = 0; i < once; ++i) {
            OutgoingPart copy = parts[i];
            if (i == 0) {
                copy.pauseBeforeMs = 0;  // the copy follows the first answer at once
            }
            parts.push_back(copy);
        }
    }
    return parts;
}

}  // namespace sim
