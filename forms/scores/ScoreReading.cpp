#include "forms/scores/ScoreReading.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace ScoreReading {

std::optional<double> readNumber(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double number = locale.toDouble(text, &ok);
    // The reader also takes "inf" and "nan"; neither is a score.
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<std::int32_t> toScore(double number) {
    if (!std::isfinite(number))
        return std::nullopt;
    // Exact half-to-even without relying on the floating-point rounding mode.
    double whole = std::floor(number);
    const double fraction = number - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

} // namespace ScoreReading
