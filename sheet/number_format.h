#pragma once

#include <string>

namespace kestrava {

// Appends 'value' rounded to 15 significant digits in plain decimal notation: no exponent,
// no trailing zeros or trailing ".", "-" for negatives, never "-0", "." as decimal separator.
void AppendPlainNumber(std::string& out, double value);

// The text AppendPlainNumber writes for 'value'.
std::string FormatPlainNumber(double value);

}  // namespace kestrava
