#pragma once

#include <string>
#include <string_view>

namespace kestrava {

// Appends UTF-8 'text' converted to Windows-1252; each character without a single-byte form,
// and each byte that is not valid UTF-8, becomes one "?".
void AppendAsWindows1252(std::string& out, std::string_view text);

// The character of Windows-1252 byte 'byte'; U+FFFD for the five bytes without one.
char32_t FromWindows1252(unsigned char byte);

}  // namespace kestrava
