#include "widgets/FloatText.h"

#include <algorithm>
#include <cmath>

#include "widgets/DecimalText.h"

namespace widgets {

std::optional<double> ParseFloatText(const QString& text, const QLocale& locale) {
    QString cleaned = text;
    const QString currency = locale.currencySymbol();
    if (!currency.isEmpty()) {
        cleaned.remove(currency);
    }
    const QString group = locale.groupSeparator();
    if (!group.isEmpty()) {
        cleaned.remove(group);
    }
    cleaned.removeIf([](QChar c) { return c.isSpace(); });

    bool negate = false;
    const qsizetype open = cleaned.indexOf(QLatin1Char('('));
    if (open >= 0) {
        negate = true;
        cleaned.remove(open, 1);
        const qsizetype close = cleaned.indexOf(QLatin1Char(')'));
        if (close >= 0) {
            cleaned.remove(close, 1);
        }
    }

    // Only the locale's separator counts as a decimal point.
    const QString decimal = locale.decimalPoint();
    if (decimal != QLatin1String(".")) {
        if (cleaned.contains(QLatin1Char('.'))) {
            return std::nullopt;
        }
        cleaned.replace(decimal, QLatin1String("."));
    }
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(cleaned, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negate ? -value : value;
}

namespace {

QString WithSeparator(const std::string& text, const QLocale& locale) {
    QString result = QString::fromStdString(text);
    result.replace(QLatin1Char('.'), locale.decimalPoint());
    return result;
}

// d.ddd followed by E and the exponent, from digits already rounded.
QString ScientificText(const DecimalDigits& number, int mantissaDigits, bool plusSign,
                       int exponentDigits, const QLocale& locale) {
    std::string mantissa(1, number.digits.empty() ? '0' : number.digits[0]);
    std::string fraction = number.digits.size() > 1 ? number.digits.substr(1) : std::string();
    fraction.resize(std::max(mantissaDigits - 1, 0), '0');
    if (!fraction.empty()) {
        mantissa += '.' + fraction;
    }
    const int exponent = number.digits.empty() ? 0 : number.exponent - 1;
    std::string exponentText = std::to_string(std::abs(exponent));
    if (static_cast<int>(exponentText.size()) < exponentDigits) {
        exponentText.insert(0, exponentDigits - exponentText.size(), '0');
    }
    const char* sign = exponent < 0 ? "-" : (plusSign ? "+" : "");
    const std::string text = (number.negative && !number.digits.empty() ? "-" : "") + mantissa +
                             "E" + sign + exponentText;
    return WithSeparator(text, locale);
}

QString Grouped(const QString& fixedText, const QLocale& locale) {
    const qsizetype point = fixedText.indexOf(locale.decimalPoint());
    const qsizetype integerEnd = point < 0 ? fixedText.size() : point;
    const qsizetype integerStart = fixedText.startsWith(QLatin1Char('-')) ? 1 : 0;
    QString result = fixedText;
    for (qsizetype i = integerEnd - 3; i > integerStart; i -= 3) {
        result.insert(i, locale.groupSeparator());
    }
    return result;
}

}  // namespace

QString FormatFloatText(double value, TFloatFormat format, int precision, int digits,
                        const QLocale& locale) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    }
    precision = std::clamp(precision, 1, 18);
    DecimalDigits number = ShortestDigits(value);
    RoundToDigits(number, precision);

    switch (format) {
        case TFloatFormat::ffExponent:
            return ScientificText(number, precision, true, std::clamp(digits, 0, 4), locale);
        case TFloatFormat::ffGeneral: {
            const bool fixed =
                number.digits.empty() || (number.exponent <= precision && number.exponent > -5);
            if (!fixed) {
                return ScientificText(number, static_cast<int>(number.digits.size()), false,
                                      std::clamp(digits, 0, 4), locale);
            }
            const int decimals =
                std::max(0, static_cast<int>(number.digits.size()) - number.exponent);
            return WithSeparator(FixedText(number, decimals), locale);
        }
        case TFloatFormat::ffFixed:
        case TFloatFormat::ffNumber:
        case TFloatFormat::ffCurrency:
            break;
    }

    digits = std::clamp(digits, 0, 18);
    if (number.exponent > precision) {
        // More integer digits than significant digits: scientific instead.
        return ScientificText(number, static_cast<int>(number.digits.size()), false, 0, locale);
    }
    RoundToDigits(number, number.exponent + digits);
    QString fixed = WithSeparator(FixedText(number, digits), locale);
    if (format == TFloatFormat::ffFixed) {
        return fixed;
    }
    QString grouped = Grouped(fixed, locale);
    if (format == TFloatFormat::ffNumber) {
        return grouped;
    }
    // Currency: the locale's own placement of the symbol around the rounded amount.
    const bool negative = grouped.startsWith(QLatin1Char('-'));
    const QString amount = negative ? grouped.mid(1) : grouped;
    QString text = locale.toCurrencyString(1.0, locale.currencySymbol(), 0);
    text.replace(QLatin1String("1"), amount);
    return negative ? QLatin1Char('-') + text : text;
}

}  // namespace widgets
