#pragma once
// Number text of the float spin edit: reading a typed text the lenient way the box accepts
// it, and writing a value in one of the float formats with the locale's symbols.

#include <QLocale>
#include <QString>
#include <optional>

#include "widgets/FloatFormat.h"

namespace widgets {

// Removes the currency symbol, blanks and thousands separators; a "(" negates (the first "("
// and ")" go); then converts with the locale's decimal separator. Nothing when it does not
// convert to a finite number.
std::optional<double> ParseFloatText(const QString& text, const QLocale& locale);

// `precision` significant digits at most (halves away from zero), `digits` decimals for the
// fixed, number and currency formats, or the least exponent digits for the others.
QString FormatFloatText(double value, TFloatFormat format, int precision, int digits,
                        const QLocale& locale);

}  // namespace widgets
