// libFuzzer target for the reading of entered scores. The first byte picks the number format,
// the rest is the text as UTF-8; the same bytes also go to toScore as a raw double.
//
// Fails (aborts) when the reader accepts something that is not a finite number, or when a
// score differs from the number rounded half to even, or when a number whose rounding fits
// 32 bits is refused, or one that does not fit is accepted. Every number it has (the raw double
// and what the reader took) is also printed in each format, grouped and shortest, in fixed,
// exponent and general notation: a finite one must read back as itself, any other be refused.
#include "forms/scores/ScoreReading.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const QList<QLocale>& locales() {
    static const QList<QLocale> all{
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),      // narrow no-break space groups
        QLocale(QLocale::German, QLocale::Switzerland), // apostrophe groups
        QLocale(QLocale::Arabic, QLocale::Egypt),       // Arabic-Indic digits
        QLocale(QLocale::Hindi, QLocale::India),        // groups of two
        QLocale(QLocale::Persian, QLocale::Iran),       // Persian digits, signs and exponent
    };
    return all;
}

[[noreturn]] void fail(const char* what, double number, const QString& text = {}) {
    std::fprintf(stderr, "score reading: %s (number %.17g, text \"%s\")\n", what, number,
                 text.toUtf8().constData());
    std::abort();
}

void checkScore(double number) {
    const auto score = ScoreReading::toScore(number);
    if (!std::isfinite(number)) {
        if (score)
            fail("a score from a number that is not finite", number);
        return;
    }
    // The reference: the hardware's own rounding, which is to nearest, ties to even.
    const double rounded = std::nearbyint(number);
    const bool fits = rounded >= -2147483648.0 && rounded <= 2147483647.0;
    if (score.has_value() != fits)
        fail(fits ? "a number that fits was refused" : "a number out of range was accepted",
             number);
    if (score && static_cast<double>(*score) != rounded)
        fail("the score is not the number rounded half to even", number);
}

void checkPrintedForms(double number) {
    for (const QLocale& locale : locales()) {
        for (const char format : {'f', 'e', 'g'}) {
            const QString printed = locale.toString(number, format, QLocale::FloatingPointShortest);
            const auto back = ScoreReading::readNumber(printed, locale);
            if (!std::isfinite(number) && back)
                fail("a printed number that is not finite was accepted", number, printed);
            if (std::isfinite(number) && back != number)
                fail(back ? "a printed number read back as another"
                          : "a printed number was refused",
                     number, locale.name() + QLatin1Char(' ') + printed);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::fesetround(FE_TONEAREST);
    (void)locales();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QLocale& locale = locales()[data[0] % locales().size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));

    if (const auto number = ScoreReading::readNumber(text, locale)) {
        if (!std::isfinite(*number))
            fail("the reader accepted a number that is not finite", *number);
        checkScore(*number);
        checkPrintedForms(*number);
    }
    if (size >= 1 + sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data + 1, sizeof raw);
        checkScore(raw);
        checkPrintedForms(raw);
    }
    return 0;
}
