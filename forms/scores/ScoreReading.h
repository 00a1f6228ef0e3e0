#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QLocale;

// How the old-score entry window reads what the player typed.
namespace ScoreReading {

// The text read as a decimal number: in the locale's format first (surrounding blanks, a sign,
// a fractional part, and grouping or exponents as the locale allows them), where decimal digits
// of any script count, any space stands for a grouping space and the apostrophe key for a
// grouping apostrophe; failing that, plain ("-1234.5", "1e3"). Nothing for text that is no
// finite number.
std::optional<double> readNumber(const QString& text, const QLocale& locale);

// The number rounded to the nearest integer, halves to the even neighbour. Nothing when the
// result does not fit a score slot (32-bit signed).
std::optional<std::int32_t> toScore(double number);

} // namespace ScoreReading
