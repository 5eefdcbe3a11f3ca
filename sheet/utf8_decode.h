#pragma once

#include <cstddef>
#include <string_view>

namespace kestrava {

// Decodes the UTF-8 character at 'text[pos]' into 'codePoint' and returns its length in bytes,
// or 0 when the bytes there are not valid UTF-8 (overlong, surrogate, truncated, stray byte).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint);

}  // namespace kestrava
