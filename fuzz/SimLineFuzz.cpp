// The simulated instrument's command line reader and its whole command set on any bytes:
// the line is taken apart, every line of the input is executed on a fresh instrument, and
// the instrument's answers and state stay well formed.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sim/InstrumentModel.h"
#include "sim/ScpiLine.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const sim::ScpiLine parsed = sim::splitScpiLine(input);
    Require(parsed.header.empty() ||
            (!IsBlank(parsed.header.front()) && !IsBlank(parsed.header.back())));
    // One leading colon is taken off; a header that still starts with one came from a line
    // that began with two (an unknown header, which the instrument answers with an error).
    const std::size_t first = input.find_first_not_of(" \t\r");
    Require(parsed.header.empty() || parsed.header.front() != ':' ||
            input.substr(first == std::string_view::npos ? 0 : first).starts_with("::"));
    for (const std::string& param : parsed.params) {
        Require(param.empty() || (!IsBlank(param.front()) && !IsBlank(param.back())));
    }

    sim::InstrumentModel model{sim::SimOptions{}};
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const auto answer = model.execute(input.substr(start, end - start));
        Require(!answer || answer->find('\n') == std::string::npos);
        start = end + 1;
    }
    const sim::InstrumentState state = model.state();
    (void)state;
    return 0;
}
