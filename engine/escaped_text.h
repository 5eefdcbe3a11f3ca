#pragma once

#include <string>
#include <string_view>

namespace kestrava {

// True for the C0 control characters and DEL.
bool IsControlCharacter(char c);

// 'text' with every control character written as \xHH, so that a message can echo it safely.
std::string EscapedText(std::string_view text);

// 'text' in double quotes for a message: escaped, and cut after 200 characters with "...".
std::string QuotedText(std::string_view text);

}  // namespace kestrava
