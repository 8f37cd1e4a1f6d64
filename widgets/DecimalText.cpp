#include "widgets/DecimalText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace widgets {

DecimalDigits ShortestDigits(double value) {
    DecimalDigits number;
    number.negative = std::signbit(value);
    if (value == 0.0) {
        return number;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific);
    // The text is d[.ddd]e[+-]xx.
    const std::string text(buffer, result.ptr);
    const auto ePos = text.find('e');
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.') {
            number.digits.push_back(text[i]);
        }
    }
    number.exponent = std::atoi(text.c_str() + ePos + 1) + 1;
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
    }
    return number;
}

void RoundToDigits(DecimalDigits& number, int kept) {
    if (kept >= static_cast<int>(number.digits.size())) {
        return;
    }
    if (kept < 0) {
        number.digits.clear();
        return;
    }
    const bool roundUp = number.digits[kept] >= '5';
    number.digits.resize(kept);
    if (roundUp) {
        int i = kept - 1;
        while (i >= 0 && number.digits[i] == '9') {
            number.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++number.digits[i];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.exponent;
        }
    }
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
    }
}

std::string FixedText(const DecimalDigits& number, int decimals) {
    auto digitAt = [&](int place) {  // place 1 = first digit after the leading point
        if (place < 1 || place > static_cast<int>(number.digits.size())) {
            return '0';
        }
        return number.digits[place - 1];
    };
    std::string text;
    if (number.digits.empty()) {
        text = "0";
    } else {
        if (number.exponent <= 0) {
            text = "0";
        }
        for (int place = 1; place <= number.exponent; ++place) {
            text.push_back(digitAt(place));
        }
    }
    if (decimals > 0) {
        text.push_back('.');
        for (int i = 1; i <= decimals; ++i) {
            text.push_back(number.digits.empty() ? '0' : digitAt(number.exponent + i));
        }
    }
    if (number.negative && !number.digits.empty()) {
        text.insert(text.begin(), '-');
    }
    return text;
}

std::string FixedText(double value, int decimals) {
    DecimalDigits number = ShortestDigits(value);
    RoundToDigits(number, number.exponent + decimals);
    return FixedText(number, decimals);
}

}  // namespace widgets
