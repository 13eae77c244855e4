#include "document/Units.h"

#include "document/ScreenMetrics.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The exact decimal rounding of a single value at the third decimal. A float has 24 significant
// bits, so value * 1000 is exact in a double, and std::round rounds halves away from zero.
QString formatThreeDecimals(double value) {
    const double scaled = std::round(value * 1000.0);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e15) {
        char buffer[400];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
        return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    }
    const auto thousandths = static_cast<std::int64_t>(std::fabs(scaled));
    QString text;
    if (scaled < 0)
        text += QLatin1Char('-');
    text += QString::number(thousandths / 1000);
    text += QLatin1Char('.');
    text += QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
    return text;
}

} // namespace

float PixelsToInches(int pixels) {
    // The quotient in extended precision, then held in single, as the stored value always was.
    return static_cast<float>(static_cast<long double>(pixels) / ScreenPixelsPerInch());
}

int InchesToPixels(float inches) {
    // A float times an int of a few bits is exact in extended precision; rint rounds ties to even.
    const long double product = static_cast<long double>(ScreenPixelsPerInch()) * inches;
    if (std::isnan(product))
        return 0;
    constexpr long double lowest = std::numeric_limits<int>::min();
    constexpr long double highest = std::numeric_limits<int>::max();
    const long double rounded = std::rint(product);
    if (rounded <= lowest)
        return std::numeric_limits<int>::min();
    if (rounded >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

QString FormatInches(float inches) {
    return formatThreeDecimals(static_cast<double>(inches));
}

QString PixelsToInchesToString(int pixels) {
    return FormatInches(PixelsToInches(pixels));
}

float FloatToDBF(float inches) {
    const QByteArray text = FormatInches(inches).toLatin1();
    float value = inches;
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return value;
}
