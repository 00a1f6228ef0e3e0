#include "forms/scores/ScoreReading.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <string>

namespace ScoreReading {

namespace {

std::optional<double> read(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double number = locale.toDouble(text, &ok);
    return ok ? std::optional(number) : std::nullopt;
}

// The text as the locale's reader takes it: digits of other scripts than the locale's, and
// separators a player cannot tell apart from the locale's.
QString normalised(const QString& text, const QLocale& locale) {
    QString stripped = text;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // FIXME(Qt 6.4): pinned by tst_score_reading's readsNumbers.
    // Qt 6.4 refuses signs and exponent symbols of more than one character, which ar_EG and fa_IR
    // print (a direction mark and a minus sign; "اس" and "×۱۰^"). Remove when the oldest Qt built
    // with is 6.8.
    for (const QChar mark : {u'\u200E', u'\u200F', u'\u061C'})
        stripped.remove(mark);
    // Before the digits, which an exponent symbol may hold. Qt takes "E" for a longer symbol.
    stripped.replace(locale.exponential(), QStringLiteral("E"), Qt::CaseInsensitive);
#endif

    const QString group = locale.groupSeparator();
    const bool spaceGroups =
        group.size() == 1 && group.front().category() == QChar::Separator_Space;
    // FIXME(Qt 6.4 to 6.11): pinned by tst_score_reading's readsNumbers.
    // Swiss groups are U+2019 in Qt 6.4's and 6.8's locale data and U+0027 in 6.11's, and Qt reads
    // only its own: either stands for the other. Remove when Qt takes both.
    const bool apostropheGroups = group == u"\u2019" || group == u"'";
    std::u32string result;
    for (const char32_t c : stripped.trimmed().toUcs4()) {
        if (QChar::category(c) == QChar::Number_DecimalDigit)
            result += static_cast<char32_t>(U'0' + QChar::digitValue(c));
        else if ((spaceGroups && QChar::category(c) == QChar::Separator_Space) ||
                 (apostropheGroups && (c == U'\'' || c == U'\u2019')))
            result += group.front().unicode();
        else
            result += c;
    }
    return QString::fromUcs4(result.data(), static_cast<qsizetype>(result.size()));
}

} // namespace

std::optional<double> readNumber(const QString& text, const QLocale& locale) {
    auto number = read(text, locale);
    if (!number) {
        const QString normal = normalised(text, locale);
        number = read(normal, locale);
        if (!number) {
            QLocale plain = QLocale::c();
            plain.setNumberOptions(QLocale::RejectGroupSeparator);
            number = read(normal, plain);
        }
    }
    // The readers also take "inf" and "nan"; neither is a score.
    if (!number || !std::isfinite(*number))
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
