#include "fuzz/ReferenceNumbers.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace fuzzref {
namespace {

// States of the decimal recogniser.
enum State { Start, Sign, IntDigits, PointNoDigits, FracDigits, Exp, ExpSign, ExpDigits, Reject };

enum Class { DigitClass, SignClass, PointClass, ExpClass, OtherClass };

Class ClassOf(char c) {
    if (c >= '0' && c <= '9') {
        return DigitClass;
    }
    if (c == '+' || c == '-') {
        return SignClass;
    }
    if (c == '.') {
        return PointClass;
    }
    if (c == 'e' || c == 'E') {
        return ExpClass;
    }
    return OtherClass;
}

// Next state by [state][class]. PointNoDigits is a point that no digit came before yet.
constexpr State kNext[8][5] = {
    /* Start         */ {IntDigits, Sign, PointNoDigits, Reject, Reject},
    /* Sign          */ {IntDigits, Reject, PointNoDigits, Reject, Reject},
    /* IntDigits     */ {IntDigits, Reject, FracDigits, Exp, Reject},
    /* PointNoDigits */ {FracDigits, Reject, Reject, Reject, Reject},
    /* FracDigits    */ {FracDigits, Reject, Reject, Exp, Reject},
    /* Exp           */ {ExpDigits, ExpSign, Reject, Reject, Reject},
    /* ExpSign       */ {ExpDigits, Reject, Reject, Reject, Reject},
    /* ExpDigits     */ {ExpDigits, Reject, Reject, Reject, Reject},
};

bool AllZeroMantissa(std::string_view text) {
    for (char c : text) {
        if (c == 'e' || c == 'E') {
            break;
        }
        if (c >= '1' && c <= '9') {
            return false;
        }
    }
    return true;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

Decimal ReadDecimal(std::string_view text) {
    Decimal result;
    State state = Start;
    for (char c : text) {
        state = kNext[state][ClassOf(c)];
        if (state == Reject) {
            return result;
        }
    }
    // IntDigits after a point ("1.") ends in FracDigits; a bare point never gets there.
    if (state != IntDigits && state != FracDigits && state != ExpDigits) {
        return result;
    }
    result.wellFormed = true;
    const std::string copy(text);
    errno = 0;
    char* end = nullptr;
    const float value = std::strtof(copy.c_str(), &end);
    const bool rangeError = errno == ERANGE;
    if (std::isinf(value) || (rangeError && std::fabs(value) >= FLT_MIN)) {
        result.overflows = true;
    } else if (!AllZeroMantissa(text) && (rangeError || std::fabs(value) < FLT_MIN)) {
        result.underflows = true;
    } else {
        result.value = value;
    }
    return result;
}

std::string_view WithoutLineEnd(std::string_view reply) {
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r')) {
        reply.remove_suffix(1);
    }
    return reply;
}

std::optional<std::int32_t> ReadInteger(std::string_view text) {
    const std::size_t firstNonBlank = text.find_first_not_of(' ');
    if (firstNonBlank == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(firstNonBlank);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (char c : text) {
        if (base == 16 ? !IsHexDigit(c) : !(c >= '0' && c <= '9')) {
            return std::nullopt;
        }
    }
    // Leading zeros do not count towards the size; more than 16 significant digits cannot
    // be within range in either base.
    const std::size_t significant = text.find_first_not_of('0');
    if (significant == std::string_view::npos) {
        return 0;
    }
    text.remove_prefix(significant);
    if (text.size() > 16) {
        return std::nullopt;
    }
    const std::string digits(text);
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, base);
    const unsigned long long limit = negative ? 2147483648ULL : 2147483647ULL;
    if (magnitude > limit) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<long long>(magnitude)
                                              : static_cast<long long>(magnitude));
}

}  // namespace fuzzref
