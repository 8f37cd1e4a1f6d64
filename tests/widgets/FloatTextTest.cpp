// Reading and writing the spin edit's number text, under a point and a comma locale.
#include <gtest/gtest.h>

#include <optional>

#include "QtPrinters.h"
#include "widgets/FloatText.h"

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct ParseCase {
    const QLocale* locale;
    const char* text;
    std::optional<double> value;
};

TEST(FloatText, ParseRemovesSymbolsAndNegatesParentheses) {
    const ParseCase cases[] = {
        {&kEnglish, "1.5", 1.5},
        {&kEnglish, "  12.250 ", 12.25},
        {&kEnglish, "1,234.5", 1234.5},
        {&kEnglish, "$12.50", 12.5},
        {&kEnglish, "(5)", -5},
        {&kEnglish, "(5", -5},
        {&kEnglish, "+3", 3},
        {&kEnglish, "-2.5", -2.5},
        {&kEnglish, "1 2", 12},  // blanks go wherever they are
        {&kEnglish, "", std::nullopt},
        {&kEnglish, "abc", std::nullopt},
        {&kEnglish, "1.2.3", std::nullopt},
        {&kEnglish, "-", std::nullopt},
        {&kEnglish, "inf", std::nullopt},
        {&kEnglish, "1,5", 15},  // a comma is a thousands separator here
        {&kGerman, "1,5", 1.5},
        {&kGerman, "1.234,5", 1234.5},
        {&kGerman, "12 €", 12},
        {&kGerman, "(2,5)", -2.5},
        {&kGerman, "1.5", 15},  // a point is a thousands separator here
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(widgets::ParseFloatText(QString::fromUtf8(c.text), *c.locale), c.value)
            << c.text << " in " << c.locale->name().toStdString();
    }
}

struct FormatCase {
    double value;
    TFloatFormat format;
    int precision;
    int digits;
    const QLocale* locale;
    const char* text;
};

TEST(FloatText, FormatFixedAndTheOtherFormats) {
    const auto fixed = TFloatFormat::ffFixed;
    const FormatCase cases[] = {
        {1.2, fixed, 9, 3, &kEnglish, "1.200"},
        {36, fixed, 9, 3, &kEnglish, "36.000"},
        {0, fixed, 9, 2, &kEnglish, "0.00"},
        {12.3456, fixed, 9, 3, &kEnglish, "12.346"},
        {1.0005, fixed, 9, 3, &kEnglish, "1.001"},
        {-0.0004, fixed, 9, 3, &kEnglish, "0.000"},
        {-2.25, fixed, 9, 1, &kEnglish, "-2.3"},
        {1.23456789, fixed, 4, 6, &kEnglish, "1.235000"},  // significant digits first
        {123456.7, fixed, 4, 1, &kEnglish, "1.235E5"},     // too many integer digits
        {1.2, fixed, 9, 3, &kGerman, "1,200"},
        {1.5, TFloatFormat::ffGeneral, 9, 0, &kEnglish, "1.5"},
        {100, TFloatFormat::ffGeneral, 9, 0, &kEnglish, "100"},
        {0.000001, TFloatFormat::ffGeneral, 9, 2, &kEnglish, "1E-06"},
        {1234.5, TFloatFormat::ffExponent, 4, 3, &kEnglish, "1.235E+003"},
        {1234567.891, TFloatFormat::ffNumber, 9, 2, &kEnglish, "1,234,567.89"},
        {-1234.5, TFloatFormat::ffNumber, 9, 1, &kGerman, "-1.234,5"},
        {1234.5, TFloatFormat::ffCurrency, 9, 2, &kEnglish, "$1,234.50"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(widgets::FormatFloatText(c.value, c.format, c.precision, c.digits, *c.locale),
                  QString::fromUtf8(c.text))
            << c.value;
    }
}

}  // namespace
