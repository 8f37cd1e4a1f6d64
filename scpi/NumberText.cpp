#include "scpi/NumberText.h"

#include <charconv>

QString NumberText(double value) {
    // to_chars never consults the locale, unlike printf and QLocale.
    char buffer[64];
    const auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}
