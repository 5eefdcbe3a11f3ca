#include "sheet/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace kestrava {
namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

void AppendPlainNumber(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "NaN";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-Infinity" : "Infinity";
        return;
    }
    if (value == 0.0) {  // also -0.0
        out += '0';
        return;
    }
    // Scientific form "d.dddddddddddddde±x" carries exactly the 15 rounded digits and the exponent.
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer.data(),
                                      static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t exponentMark = scientific.find('e');

    std::array<char, kSignificantDigits> digits{};
    std::size_t digitCount = 0;
    for (const char c : scientific.substr(0, exponentMark)) {
        if (c != '.') digits[digitCount++] = c;
    }
    while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;

    int exponent = 0;
    const std::string_view exponentText = scientific.substr(exponentMark + 1);
    const char* exponentStart = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(exponentStart, exponentText.data() + exponentText.size(), exponent);

    if (value < 0) out += '-';
    const std::string_view significant(digits.data(), digitCount);
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += significant;
        return;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (integerDigits >= digitCount) {
        out += significant;
        out.append(integerDigits - digitCount, '0');
        return;
    }
    out += significant.substr(0, integerDigits);
    out += '.';
    out += significant.substr(integerDigits);
}

std::string FormatPlainNumber(double value) {
    std::string text;
    AppendPlainNumber(text, value);
    return text;
}

}  // namespace kestrava
