#include "scpi/NumberText.h"

#include <gtest/gtest.h>

#include "tests/support/CommaLocale.h"

namespace {

struct NumberCase {
    double value;
    const char* text;
};

const NumberCase kNumberCases[] = {
    {5, "5"},
    {0.5, "0.5"},
    {1.2, "1.2"},
    {24, "24"},
    {0, "0"},
    {-3.25, "-3.25"},
    {12.3456, "12.3456"},
    {36.0, "36"},
    {1.0 / 3.0, "0.333333333333333"},        // 15 significant digits, no more
    {123456789012345.0, "123456789012345"},  // 15 digits before the point still fit
    {1234567890123456.0, "1.23456789012346e+15"},
    {0.00001, "1e-05"},
    {static_cast<double>(1.2f), "1.20000004768372"},  // a float's value is not cut to 1.2
};

TEST(NumberText, ShortestGeneralFormWithPoint) {
    for (const auto& c : kNumberCases) {
        EXPECT_EQ(NumberText(c.value), QString::fromLatin1(c.text)) << c.value;
    }
}

TEST(NumberText, PointWhateverTheLocale) {
    CommaLocale comma;
    EXPECT_TRUE(CommaLocale::CLibraryUsesComma()) << "no comma-decimal C locale found";
    for (const auto& c : kNumberCases) {
        EXPECT_EQ(NumberText(c.value), QString::fromLatin1(c.text)) << c.value;
    }
}

}  // namespace
