#pragma once
// How the instrument's replies are read. A reply is the bytes of one receive event, line
// terminator included. Pure functions, so every rule can be tested as a table.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A reply longer than this is handled as its first kMaxReplyBytes bytes.
inline constexpr std::size_t kMaxReplyBytes = 256;

// True only for exactly "ON\n"; anything else (OFF, empty, garbled) counts as off.
bool IsOnReply(std::string_view reply);

// The whole text as a decimal number: optional sign, digits with an optional point, optional
// exponent; nothing else, no blanks. Rounded to a 32-bit float.
std::optional<float> ParseDecimal(std::string_view text);

// A measured or set value: the reply with its trailing line feeds and carriage returns
// removed, parsed whole by ParseDecimal.
std::optional<float> ParseNumberReply(std::string_view reply);

// A 32-bit signed integer: optional leading blanks, optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow the digits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The fields of a comma-separated reply. A field is a double-quoted text (doubled quotes
// inside stand for one) or runs up to the next comma or control character or blank; blanks
// and control characters between fields are skipped. A NUL byte ends the text.
std::vector<std::string> SplitReplyFields(std::string_view reply);

// The ":APPL?" reply: exactly two fields that both parse, voltage then current.
struct SetPoints {
    float voltage;
    float current;
};
std::optional<SetPoints> ParseApplyReply(std::string_view reply);

// The bits of the ":STAT:OPER?" value: each protection's trip state.
inline constexpr std::int32_t kOperStatusOvpTripped = 1;  // bit 0
inline constexpr std::int32_t kOperStatusOcpTripped = 2;  // bit 1

// ":STAT:OPER?": the reply without its first and last character, as an integer.
std::optional<std::int32_t> ParseOperationStatusReply(std::string_view reply);

// ":SYST:MEM?": the reply without its last character, as an integer.
std::optional<std::int32_t> ParseMemoryReply(std::string_view reply);

// The main window caption once the instrument has reported its limits, formatted with C
// printf rules whatever the locale: "%.3f" for the voltage and "%3f" (six decimals) for the
// current.
QString LimitsCaption(double voltageMax, double currentMax);
