// The number and integer readers of the replies against the separately written readers:
// every byte string is either read to the same value or refused by both.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/ReferenceNumbers.h"
#include "session/ReplyParsing.h"

namespace {

void CheckDecimal(std::string_view text, std::optional<float> read) {
    const fuzzref::Decimal expected = fuzzref::ReadDecimal(text);
    if (expected.value) {
        if (!read || *read != *expected.value) {
            std::abort();
        }
    } else if (expected.underflows) {
        // Too small for a normal float: refused or read as a tiny value, never as more.
        if (read && !(std::fabs(*read) < 1.2e-38f)) {
            std::abort();
        }
    } else if (read) {
        std::abort();  // not a whole number, or beyond a float
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckDecimal(text, ParseDecimal(text));
    CheckDecimal(fuzzref::WithoutLineEnd(text), ParseNumberReply(text));
    if (ParseInteger(text) != fuzzref::ReadInteger(text)) {
        std::abort();
    }
    if (size >= 2 &&
        ParseOperationStatusReply(text) != fuzzref::ReadInteger(text.substr(1, size - 2))) {
        std::abort();
    }
    if (size >= 1 && ParseMemoryReply(text) != fuzzref::ReadInteger(text.substr(0, size - 1))) {
        std::abort();
    }
    return 0;
}
