#include "scpi/Com_rw.h"

#include <limits>
#include <string>

#include "platform/Clock.h"
#include "serial/TComm.h"

namespace {
// The pauses are the only flow control towards the instrument: each line waits long enough
// for the instrument to have taken in the one before.
constexpr std::uint32_t kPauseBeforeLineMs = 100;
constexpr std::size_t kLongestText = std::numeric_limits<std::uint16_t>::max() - 1;
}  // namespace

bool WriteLine(TComm& comm, std::string_view text) {
    std::string line;
    if (text.size() <= kLongestText) {
        line.reserve(text.size() + 1);
        line.append(text);
        line.push_back('\n');
    }
    platform::Sleep(kPauseBeforeLineMs);
    if (line.empty()) {
        return false;
    }
    return comm.WriteCommData(line.data(), static_cast<std::uint16_t>(line.size()));
}

bool WriteLine(TComm& comm, const char* text, std::uint16_t length) {
    return WriteLine(comm, std::string_view(text, length));
}
