#pragma once
// Second, separately written readers of the instrument's number replies, for the fuzz
// targets to hold the program's readers against: a decimal is recognised by a table-driven
// state machine and converted by strtof, an integer is checked digit class by digit class
// and converted by strtoull.

#include <cstdint>
#include <optional>
#include <string_view>

namespace fuzzref {

struct Decimal {
    bool wellFormed = false;     // [+-] digits [. digits] [e [+-] digits], a digit in the mantissa
    bool overflows = false;      // well formed but beyond a float's range
    bool underflows = false;     // well formed, not zero, but below a float's normal range
    std::optional<float> value;  // set when well formed and within range
};

Decimal ReadDecimal(std::string_view text);

// The reply without its trailing line feeds and carriage returns.
std::string_view WithoutLineEnd(std::string_view reply);

// Leading blanks, a sign, then decimal digits or hexadecimal digits after "$", "x", "X",
// "0x", "0X"; nothing after them; within a signed 32-bit integer.
std::optional<std::int32_t> ReadInteger(std::string_view text);

}  // namespace fuzzref
