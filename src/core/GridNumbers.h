#pragma once

#include <QtGlobal>
#include <cmath>
#include <optional>

// Number conversions shared by the grid's reading and its texts and totals.
namespace GridNumbers {

// A double as a whole 64-bit count; nullopt for NaN, infinities and anything past 2^63, whose
// conversion would be undefined.
inline std::optional<qint64> wholeOf(double number)
{
    constexpr double kTwoTo63 = 0x1p63;
    const double rounded = std::round(number);
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63))
        return std::nullopt;
    return qint64(rounded);
}

} // namespace GridNumbers
