#include "sim/ScpiValues.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "sim/ScpiLine.h"

namespace sim {
namespace {

bool sameWord(std::string_view text, std::string_view upperWord) {
    if (text.size() != upperWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != upperWord[i]) {
            return false;
        }
    }
    return true;
}

std::string_view withoutPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return {};  // a doubled sign is no number
        }
    }
    return text;
}

// The whole text as one number of the given type, with an optional sign.
template <typename Number>
std::optional<Number> parseDecimal(std::string_view text) {
    const std::string_view digits = withoutPlus(text);
    if (digits.empty()) {
        return std::nullopt;
    }
    Number value{};
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<bool> parseOnOff(std::string_view text) {
    if (sameWord(text, "ON") || text == "1") {
        return true;
    }
    if (sameWord(text, "OFF") || text == "0") {
        return false;
    }
    return std::nullopt;
}

std::optional<double> parseNumberKeyword(std::string_view text, const NumberKeywords& keywords) {
    static const HeaderPattern minWord("MINimum");
    static const HeaderPattern maxWord("MAXimum");
    static const HeaderPattern defWord("DEFault");
    if (text.empty() || text.find(':') != std::string_view::npos) {
        return std::nullopt;
    }
    if (minWord.matches(text)) {
        return keywords.min;
    }
    if (maxWord.matches(text)) {
        return keywords.max;
    }
    if (defWord.matches(text)) {
        return keywords.def;
    }
    return std::nullopt;
}

std::optional<double> parseNumeric(std::string_view text, const NumberKeywords& keywords) {
    if (const std::optional<double> keyword = parseNumberKeyword(text, keywords)) {
        return keyword;
    }
    const std::optional<double> value = parseDecimal<double>(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long> parseWholeNumber(std::string_view text) {
    return parseDecimal<long>(text);
}

std::string formatFixed3(double value) {
    // Round first so that a tiny negative value does not print as -0.000.
    double rounded = std::round(value * 1000.0) / 1000.0;
    if (rounded == 0) {
        rounded = 0;
    }
    std::array<char, 64> buffer{};
    const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                         std::chars_format::fixed, 3);
    if (ec != std::errc()) {
        return "0.000";  // only for values beyond 1e60, which no setting can reach
    }
    return {buffer.data(), ptr};
}

std::string formatSigned(long value) {
    return (value >= 0 ? "+" : "") + std::to_string(value);
}

}  // namespace sim
