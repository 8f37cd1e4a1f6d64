#include "session/ReplyParsing.h"

#include <charconv>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Codes 1 to 32 separate fields; compare as unsigned so bytes above 127 are not blanks.
bool IsSeparatorByte(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// True when text is [sign] digits [. digits] [e [sign] digits] with at least one mantissa digit.
bool IsDecimalSyntax(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t intStart = at;
    at = SkipDigits(text, at);
    std::size_t mantissaDigits = at - intStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fracStart = ++at;
        at = SkipDigits(text, at);
        mantissaDigits += at - fracStart;
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        const std::size_t expStart = at;
        at = SkipDigits(text, at);
        if (at == expStart) {
            return false;
        }
    }
    return at == text.size();
}

std::optional<int> HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

}  // namespace

bool IsOnReply(std::string_view reply) {
    return reply == "ON\n";
}

std::optional<float> ParseDecimal(std::string_view text) {
    if (!IsDecimalSyntax(text)) {
        return std::nullopt;
    }
    // from_chars takes no leading '+'; the syntax check already accepted it.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    float value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;  // out of a float's range
    }
    return value;
}

std::optional<float> ParseNumberReply(std::string_view reply) {
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r')) {
        reply.remove_suffix(1);
    }
    return ParseDecimal(reply);
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        base = 16;
        ++at;
    } else if (at + 1 < text.size() && text[at] == '0' &&
               (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    // Accumulate the magnitude in 64 bits; the limit allows -2147483648.
    const std::int64_t limit =
        static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const auto digit =
            base == 16 ? HexDigitValue(text[at])
                       : (IsDigit(text[at]) ? std::optional<int>(text[at] - '0') : std::nullopt);
        if (!digit) {
            return std::nullopt;
        }
        magnitude = magnitude * base + *digit;
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::vector<std::string> SplitReplyFields(std::string_view reply) {
    if (const auto nul = reply.find('\0'); nul != std::string_view::npos) {
        reply = reply.substr(0, nul);
    }
    std::vector<std::string> fields;
    std::size_t at = 0;
    const auto skipSeparators = [&] {
        while (at < reply.size() && IsSeparatorByte(reply[at])) {
            ++at;
        }
    };
    skipSeparators();
    while (at < reply.size()) {
        std::string field;
        if (reply[at] == '"') {
            ++at;
            while (at < reply.size()) {
                if (reply[at] == '"') {
                    if (at + 1 < reply.size() && reply[at + 1] == '"') {
                        field.push_back('"');
                        at += 2;
                        continue;
                    }
                    ++at;  // the closing quote
                    break;
                }
                field.push_back(reply[at++]);
            }
        } else {
            while (at < reply.size() && reply[at] != ',' && !IsSeparatorByte(reply[at])) {
                field.push_back(reply[at++]);
            }
        }
        fields.push_back(std::move(field));
        skipSeparators();
        if (at < reply.size() && reply[at] == ',') {
            if (at + 1 == reply.size()) {
                fields.emplace_back();  // a trailing comma ends with an empty field
            }
            ++at;
            skipSeparators();
        }
    }
    return fields;
}

std::optional<SetPoints> ParseApplyReply(std::string_view reply) {
    const auto fields = SplitReplyFields(reply);
    if (fields.size() != 2) {
        return std::nullopt;
    }
    const auto voltage = ParseDecimal(fields[0]);
    const auto current = ParseDecimal(fields[1]);
    if (!voltage || !current) {
        return std::nullopt;
    }
    return SetPoints{*voltage, *current};
}

std::optional<std::int32_t> ParseOperationStatusReply(std::string_view reply) {
    if (reply.size() < 2) {
        return std::nullopt;
    }
    return ParseInteger(reply.substr(1, reply.size() - 2));
}

std::optional<std::int32_t> ParseMemoryReply(std::string_view reply) {
    if (reply.empty()) {
        return std::nullopt;
    }
    return ParseInteger(reply.substr(0, reply.size() - 1));
}

QString LimitsCaption(double voltageMax, double currentMax) {
    // QString::asprintf formats numbers in the C locale.
    return QString::asprintf("DC Power Supply      %.3fV,%3fA", voltageMax, currentMax);
}
