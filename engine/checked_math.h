#pragma once

#include <cmath>
#include <cstdint>

#include "engine/number_text.h"
#include "engine/run_time_error.h"

namespace kestrava {

// 'dividend' / 'divisor'; a zero divisor or a result outside the double range ends the run.
inline double Divide(double dividend, double divisor) {
    if (divisor == 0.0) throw RunTimeError(kDivisionByZeroText);
    const double quotient = dividend / divisor;
    if (!std::isfinite(dividend) || !std::isfinite(divisor) || !std::isfinite(quotient)) {
        throw RunTimeError(kOverflowText);
    }
    return quotient;
}

// Square root; a negative or non-finite argument ends the run.
inline double SquareRoot(double value) {
    if (value < 0.0) throw RunTimeError(kNegativeSquareRootText);
    if (!std::isfinite(value)) throw RunTimeError(kOverflowText);
    return std::sqrt(value);
}

// 'value' rounded half to even to a 16-bit integer; outside its range ends the run.
inline std::int16_t RoundToCount(double value) {
    const auto rounded = RoundToInt16(value);
    if (!rounded) throw RunTimeError(kOverflowText);
    return *rounded;
}

}  // namespace kestrava
