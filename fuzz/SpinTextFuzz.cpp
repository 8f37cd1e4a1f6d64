// The float spin edit's reading of typed text, under locales with other separators and
// currency placements: any text reads as a finite number or as nothing, leaving the box
// rewrites it as a value within the bounds, and every value written in any format reads
// back as about the same value.
#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/FuzzApplication.h"
#include "widgets/FloatText.h"
#include "widgets/TFlatSpinEditFloat.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const QLocale& LocaleFor(std::uint8_t choice) {
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::French, QLocale::France)};
    return locales[choice % 4];
}

// How far a value written with these settings may read back from what was written.
double Tolerance(double value, TFloatFormat format, int precision, int digits) {
    const double significant = std::fabs(value) * std::pow(10.0, 1 - std::clamp(precision, 1, 18));
    if (format == TFloatFormat::ffGeneral || format == TFloatFormat::ffExponent) {
        return significant + 1e-300;
    }
    return significant + std::pow(10.0, -std::clamp(digits, 0, 18));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4 + sizeof(double)) {
        return 0;
    }
    fuzzref::EnsureApplication();
    const QLocale& locale = LocaleFor(data[0]);
    const auto format = static_cast<TFloatFormat>(data[1] % 5);
    const int precision = data[2] % 20;
    const int digits = data[3] % 20;
    double value = 0;
    std::memcpy(&value, data + 4, sizeof value);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 4 + sizeof value),
                                           static_cast<qsizetype>(size - 4 - sizeof value));

    // Typed text reads as a finite number or not at all.
    const auto typed = widgets::ParseFloatText(text, locale);
    Require(!typed || std::isfinite(*typed));

    // Written and read back: the same value, up to the rounding the settings ask for.
    if (std::isfinite(value)) {
        const QString written = widgets::FormatFloatText(value, format, precision, digits, locale);
        const auto back = widgets::ParseFloatText(written, locale);
        Require(back.has_value());
        Require(std::fabs(*back - value) <= Tolerance(value, format, precision, digits));
    }

    // The panel's edit: the typed text, then leaving the box.
    QLocale::setDefault(locale);
    // Like the application, never destroyed.
    static TFlatSpinEditFloat* edit = nullptr;
    if (edit == nullptr) {
        edit = new TFlatSpinEditFloat();
        edit->SetFloatFormat(TFloatFormat::ffFixed);
        edit->SetDigits(3);
        edit->SetPrecision(9);
        edit->SetMinValue(0);
        edit->SetMaxValue(36);
    }
    edit->SetText(text);
    const double read = edit->Value();
    Require(std::isfinite(read));
    edit->SetValue(read);
    const double rewritten = edit->Value();
    Require(rewritten >= 0 && rewritten <= 36);
    Require(std::fabs(rewritten - std::clamp(read, 0.0, 36.0)) <= 0.0005 + 1e-12);
    return 0;
}
