#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrava {

// The leading number of a typed text: blanks, tabs and line feeds are ignored anywhere;
// sign, digits, one '.', exponent ('E'/'e', optional sign, digits); "&H"/"&O" integers.
// A text with no leading number gives 0; a number beyond the double range gives ±infinity,
// which IsNumericText refuses and callers must not take for a rating.
double ReadLeadingNumber(std::string_view text);

// True when 'text', blanks aside, is exactly one number as ReadLeadingNumber reads it
// and nothing else ("11 000" passes, "11,000" and "abc" do not).
bool IsNumericText(std::string_view text);

// 'value' rounded to the nearest integer, an exact half to the even neighbour;
// nothing when the result is outside -32768..32767 (or not finite).
std::optional<std::int16_t> RoundToInt16(double value);

// 'value' rounded half to even at the 'decimals'-th decimal place.
double RoundToDecimals(double value, int decimals);

}  // namespace kestrava
