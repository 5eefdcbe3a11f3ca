#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/design_record.h"

namespace kestrava {

// The six texts of one rating as typed (UTF-8).
struct RatingTexts {
    std::string_view kva;
    std::string_view primary;
    std::string_view secondary;
    std::string_view frequency;
    std::string_view connection;
    std::string_view tapping;
};

// Which text of a rating was refused ("kva", "primary", ...) and why.
struct RatingRefusal {
    std::string_view field;
    std::string reason;
};

// 'text' with every control character written as \xHH, so that a message can echo it safely.
std::string EscapedText(std::string_view text);

// 'text' in double quotes for a message: escaped, and cut after 200 characters with "...".
std::string QuotedText(std::string_view text);

// Reads 'texts' the way the parameter window does into 'inputs':
// no text may be blank, kVA and both voltages must be strictly numeric without control characters,
// frequency and tapping are rounded half to even into 16 bits, the connection must be one of the
// four names.
std::optional<RatingRefusal> ReadRatingTexts(const RatingTexts& texts, DesignInputs& inputs);

}  // namespace kestrava
