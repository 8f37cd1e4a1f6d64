#pragma once
// Decimal digits of a double and rounding on those digits. The number is taken as its
// shortest round-trip decimal form (the form a person would write), so 1.0005 rounds to
// 1.001 at three decimals although the nearest double lies just below it.

#include <string>

namespace widgets {

// value = 0.d1 d2 d3 ... x 10^exponent; digits empty means zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Finite values only.
DecimalDigits ShortestDigits(double value);

// Keeps the first `kept` digits, rounding half away from zero on the next digit.
// kept <= 0 leaves zero or a single 1 at the next higher place.
void RoundToDigits(DecimalDigits& number, int kept);

// Fixed-point text of a finite value with `decimals` decimals, halves away from zero,
// no grouping, '.' as separator and a leading '-' for a negative non-zero result.
std::string FixedText(double value, int decimals);

// Same, from digits already rounded.
std::string FixedText(const DecimalDigits& number, int decimals);

}  // namespace widgets
