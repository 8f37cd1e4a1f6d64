#pragma once
// Parameter and answer texts of the instrument: ON/OFF words, decimal numbers with the
// MIN/MAX/DEF keywords, and the fixed forms the answers take. Independent of the locale.

#include <optional>
#include <string>
#include <string_view>

namespace sim {

// ON, OFF, 1 or 0 in any case.
std::optional<bool> parseOnOff(std::string_view text);

// A decimal number with optional sign and exponent, or MINimum, MAXimum, DEFault (either
// form, any case) standing for the given values. Nothing for any other text.
struct NumberKeywords {
    double min = 0;
    double max = 0;
    double def = 0;
};
std::optional<double> parseNumeric(std::string_view text, const NumberKeywords& keywords);
// Only the keywords.
std::optional<double> parseNumberKeyword(std::string_view text, const NumberKeywords& keywords);

// A whole decimal number with optional sign.
std::optional<long> parseWholeNumber(std::string_view text);

// Three decimals, point separator: 12.345.
std::string formatFixed3(double value);
// An explicit sign before the digits: +0, +3.
std::string formatSigned(long value);

}  // namespace sim
