// Fixed-point text with halves away from zero on the number as written.
#include <gtest/gtest.h>

#include "widgets/DecimalText.h"

namespace {

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

TEST(DecimalText, FixedTextRoundsHalvesAwayFromZero) {
    const FixedCase cases[] = {
        {0, 3, "0.000"},
        {5, 3, "5.000"},
        {12.3456, 3, "12.346"},
        {0.0004, 3, "0.000"},
        {0.0005, 3, "0.001"},
        {1.0005, 3, "1.001"},  // the nearest double is just below; the written digit decides
        {2.5, 0, "3"},
        {0.5, 0, "1"},
        {0.45, 0, "0"},
        {99.9996, 3, "100.000"},
        {9.96, 1, "10.0"},
        {0.0096, 1, "0.0"},
        {-1.25, 1, "-1.3"},
        {-0.0004, 3, "0.000"},  // no "-0.000"
        {1e15, 3, "1000000000000000.000"},
        {123456789.125, 2, "123456789.13"},
        {1e-20, 2, "0.00"},
    };
    for (const FixedCase& c : cases) {
        EXPECT_EQ(widgets::FixedText(c.value, c.decimals), c.text)
            << c.value << " with " << c.decimals;
    }
}

}  // namespace
