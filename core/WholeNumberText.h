#pragma once

#include <QString>

#include <cstdint>

// Plain decimal digits with a leading "-" for negative values: no blank, no leading zeros,
// no digit grouping.
inline QString WholeNumberText(std::int64_t value) {
    return QString::number(value);
}
