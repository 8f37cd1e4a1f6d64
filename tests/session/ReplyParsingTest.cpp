#include "session/ReplyParsing.h"

#include <gtest/gtest.h>

#include "tests/support/CommaLocale.h"

namespace {

using namespace std::string_view_literals;

TEST(ReplyParsing, OnTestIsExact) {
    const std::pair<std::string_view, bool> cases[] = {
        {"ON\n", true},    {"OFF\n", false}, {"ON", false},    {"on\n", false},
        {"ON\r\n", false}, {"", false},      {" ON\n", false}, {"ON\n\n", false},
    };
    for (const auto& [reply, on] : cases) {
        EXPECT_EQ(IsOnReply(reply), on) << '"' << reply << '"';
    }
}

struct NumberCase {
    std::string_view reply;
    std::optional<float> value;
};

TEST(ReplyParsing, NumberKeepsEveryDigit) {
    const NumberCase cases[] = {
        {"12.345\n", 12.345f},  // the last digit is not cut off
        {"5.000\n", 5.0f},
        {"1.234\r\n", 1.234f},
        {"0.000\n", 0.0f},
        {"36\n", 36.0f},
        {"+3.5\n", 3.5f},
        {"-0.25\n", -0.25f},
        {".5\n", 0.5f},
        {"5.\n", 5.0f},
        {"1.5E+01\n", 15.0f},
        {"2e-3", 0.002f},
        {"1.1\n\n", 1.1f},
        {"\n", std::nullopt},
        {"", std::nullopt},
        {"ON\n", std::nullopt},
        {"12.3V\n", std::nullopt},
        {" 12.3\n", std::nullopt},
        {"12.3 \n", std::nullopt},
        {"1,5\n", std::nullopt},
        {".\n", std::nullopt},
        {"+\n", std::nullopt},
        {"1e\n", std::nullopt},
        {"1e+\n", std::nullopt},
        {"inf\n", std::nullopt},
        {"nan\n", std::nullopt},
        {"0x1A\n", std::nullopt},
        {"1e999\n", std::nullopt},
        {"1.2\n3.4\n", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumberReply(c.reply), c.value) << '"' << c.reply << '"';
    }
}

TEST(ReplyParsing, NumberIgnoresCommaLocale) {
    CommaLocale comma;
    EXPECT_TRUE(CommaLocale::CLibraryUsesComma());
    EXPECT_EQ(ParseNumberReply("12.345\n"), 12.345f);
    EXPECT_EQ(ParseNumberReply("12,345\n"), std::nullopt);
}

struct IntegerCase {
    std::string_view text;
    std::optional<std::int32_t> value;
};

TEST(ReplyParsing, IntegerDecimalAndHexPrefixes) {
    const IntegerCase cases[] = {
        {"3", 3},
        {"  42", 42},
        {"+7", 7},
        {"-12", -12},
        {"$1F", 31},
        {"x1f", 31},
        {"X10", 16},
        {"0x10", 16},
        {"0X7fffffff", 2147483647},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"$80000000", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"3 ", std::nullopt},
        {"3\n", std::nullopt},
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
        {"\t3", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ReplyParsing, MemoryAndOperationStatusReplies) {
    EXPECT_EQ(ParseMemoryReply("3\n"), 3);
    EXPECT_EQ(ParseMemoryReply("10\n"), 10);
    EXPECT_EQ(ParseMemoryReply("3\r\n"), std::nullopt);  // only one character is dropped
    EXPECT_EQ(ParseMemoryReply("\n"), std::nullopt);
    EXPECT_EQ(ParseMemoryReply(""), std::nullopt);

    // The first and the last character are dropped.
    EXPECT_EQ(ParseOperationStatusReply("+3\n"), 3);
    EXPECT_EQ(ParseOperationStatusReply("+0\n"), 0);
    EXPECT_EQ(ParseOperationStatusReply(" 12\n"), 12);
    EXPECT_EQ(ParseOperationStatusReply("3\n"), std::nullopt);
    EXPECT_EQ(ParseOperationStatusReply("\n"), std::nullopt);
    EXPECT_EQ(ParseOperationStatusReply(""), std::nullopt);
}

struct SplitCase {
    std::string_view reply;
    std::vector<std::string> fields;
};

TEST(ReplyParsing, FieldSplitter) {
    const SplitCase cases[] = {
        {"5.000,1.000\n", {"5.000", "1.000"}},
        {"  5.000, 1.000\n", {"5.000", "1.000"}},
        {"5.000\n", {"5.000"}},
        {"1,2,3\n", {"1", "2", "3"}},
        {"5.000 V,1.000 A\n", {"5.000", "V", "1.000", "A"}},
        {"5.000,", {"5.000", ""}},  // a comma at the very end adds an empty field
        {"5.000,\n", {"5.000"}},    // not the last character: nothing added
        {",5", {"", "5"}},
        {"\"a,b\",\"say \"\"hi\"\"\"\n", {"a,b", "say \"hi\""}},
        {"\"open", {"open"}},
        {"1\0"
         "2,3"sv,
         {"1"}},  // the text ends at a NUL byte
        {"1\xA0"
         "2",
         {"1\xA0"
          "2"}},  // bytes above 127 are not blanks
        {"", {}},
        {"\n", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitReplyFields(c.reply), c.fields) << '"' << c.reply << '"';
    }
}

TEST(ReplyParsing, ApplyReplyNeedsExactlyTwoNumbers) {
    const auto setPoints = ParseApplyReply("1.234,0.567\n");
    ASSERT_TRUE(setPoints.has_value());
    EXPECT_EQ(setPoints->voltage, 1.234f);
    EXPECT_EQ(setPoints->current, 0.567f);

    for (const std::string_view reply :
         {"5.000\n"sv, "1,2,3\n"sv, "5.000,abc\n"sv, "5.000 V,1.000 A\n"sv, ""sv, "5.000,\n"sv}) {
        EXPECT_FALSE(ParseApplyReply(reply).has_value()) << '"' << reply << '"';
    }
}

TEST(ReplyParsing, CaptionUsesCPrintfRules) {
    const std::tuple<double, double, const char*> cases[] = {
        {36, 3, "DC Power Supply      36.000V,3.000000A"},
        {30.5, 5.25, "DC Power Supply      30.500V,5.250000A"},
        {0, 0, "DC Power Supply      0.000V,0.000000A"},
        {36.0004999, 0.1, "DC Power Supply      36.000V,0.100000A"},
    };
    for (const auto& [volts, amps, caption] : cases) {
        EXPECT_EQ(LimitsCaption(volts, amps), QString::fromLatin1(caption));
    }
    CommaLocale comma;
    EXPECT_TRUE(CommaLocale::CLibraryUsesComma());
    EXPECT_EQ(LimitsCaption(36, 3), QStringLiteral("DC Power Supply      36.000V,3.000000A"));
}

}  // namespace
