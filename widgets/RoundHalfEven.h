#pragma once
// Integer rounding of a fraction with halves to even, for glyph placement.

namespace widgets {

// round(numerator / denominator), denominator > 0, halves to the even neighbour.
constexpr int RoundHalfEven(int numerator, int denominator) {
    int quotient = numerator / denominator;
    int remainder = numerator % denominator;
    if (remainder < 0) {  // make it a floor division
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) {
        ++quotient;
    }
    return quotient;
}

}  // namespace widgets
