#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kestrava {
namespace {

// Characters a typed number may contain anywhere without effect.
bool IsIgnorable(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Value of 'c' as a digit in 'base' (8 or 16), or -1.
int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// Walks a text while skipping blanks, tabs and line feeds.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) { SkipIgnorable(); }
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void Advance() {
        ++pos_;
        SkipIgnorable();
    }
    // The character after the current one, blanks aside.
    char PeekNext() const {
        Cursor next = *this;
        next.Advance();
        return next.Peek();
    }

  private:
    void SkipIgnorable() {
        while (pos_ < text_.size() && IsIgnorable(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct ParsedNumber {
    double value = 0.0;
    bool hasDigits = false;  // at least one digit of the number was read
    bool rest = false;       // characters remain after the number
};

// Exponents beyond this already put any mantissa outside the double range.
constexpr long kExponentLimit = 100000;

ParsedNumber ParseRadixInteger(Cursor& cursor, int base) {
    ParsedNumber parsed;
    for (int digit = DigitValue(cursor.Peek(), base); !cursor.AtEnd() && digit >= 0;
         digit = DigitValue(cursor.Peek(), base)) {
        parsed.value = parsed.value * base + digit;
        parsed.hasDigits = true;
        cursor.Advance();
    }
    return parsed;
}

// Reads sign, digits, '.', digits and exponent into a plain decimal text and converts it
// without the locale; a magnitude beyond the double range becomes an infinity.
ParsedNumber ParseDecimal(Cursor& cursor) {
    ParsedNumber parsed;
    std::string digits;
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    // Decimal magnitude of the leading significant digit, for telling overflow from underflow.
    long magnitude = 0;
    bool significant = false;
    for (; IsDecimalDigit(cursor.Peek()); cursor.Advance()) {
        parsed.hasDigits = true;
        significant = significant || cursor.Peek() != '0';
        if (significant) {
            digits.push_back(cursor.Peek());
            ++magnitude;
        }
    }
    if (cursor.Peek() == '.') {
        cursor.Advance();
        if (digits.empty()) digits.push_back('0');
        digits.push_back('.');
        for (; IsDecimalDigit(cursor.Peek()); cursor.Advance()) {
            parsed.hasDigits = true;
            if (!significant && cursor.Peek() == '0') --magnitude;
            significant = significant || cursor.Peek() != '0';
            digits.push_back(cursor.Peek());
        }
    }
    if (!parsed.hasDigits) return parsed;

    if (!digits.empty() && digits.back() == '.') digits.pop_back();

    long exponent = 0;
    if (cursor.Peek() == 'E' || cursor.Peek() == 'e') {
        // The exponent belongs to the number only when digits follow it.
        Cursor probe = cursor;
        probe.Advance();
        const bool negativeExponent = probe.Peek() == '-';
        if (probe.Peek() == '+' || probe.Peek() == '-') probe.Advance();
        if (IsDecimalDigit(probe.Peek())) {
            for (cursor = probe; IsDecimalDigit(cursor.Peek()); cursor.Advance()) {
                exponent = std::min(exponent * 10 + (cursor.Peek() - '0'), kExponentLimit);
            }
            if (negativeExponent) exponent = -exponent;
        }
    }
    if (!significant) return parsed;  // zero, never a negative zero
    digits.push_back('e');
    digits += std::to_string(exponent);
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    parsed.value = negative ? -value : value;
    return parsed;
}

ParsedNumber ParseNumber(std::string_view text) {
    Cursor cursor(text);
    ParsedNumber parsed;
    if (cursor.Peek() == '&') {
        const char radix = cursor.PeekNext();
        const int base = (radix == 'H' || radix == 'h')   ? 16
                         : (radix == 'O' || radix == 'o') ? 8
                                                          : 0;
        if (base == 0) {
            parsed.rest = true;
            return parsed;
        }
        cursor.Advance();
        cursor.Advance();
        parsed = ParseRadixInteger(cursor, base);
    } else {
        parsed = ParseDecimal(cursor);
    }
    parsed.rest = !cursor.AtEnd();
    return parsed;
}

// Rounds to an integral value, an exact half to the even neighbour, whatever the FPU mode.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;  // exact: the fraction of a double is representable
    if (fraction > 0.5) return below + 1.0;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
    return ParseNumber(text).value;
}

bool IsNumericText(std::string_view text) {
    const ParsedNumber parsed = ParseNumber(text);
    return parsed.hasDigits && !parsed.rest && std::isfinite(parsed.value);
}

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

double RoundToDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // A value this large has no digits below the decimal point to round away.
    if (!std::isfinite(scaled)) return value;
    return RoundHalfEven(scaled) / scale;
}

}  // namespace kestrava
