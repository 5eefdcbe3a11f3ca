#include "engine/escaped_text.h"

#include <cstddef>

namespace kestrava {

bool IsControlCharacter(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::string EscapedText(std::string_view text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (IsControlCharacter(c)) {
            const auto byte = static_cast<unsigned char>(c);
            escaped.append("\\x").push_back(kHex[byte >> 4]);
            escaped.push_back(kHex[byte & 0xF]);
        } else {
            escaped.push_back(c);
        }
    }
    return escaped;
}

std::string QuotedText(std::string_view text) {
    constexpr std::size_t kQuotedLength = 200;
    std::string quoted(1, '"');
    quoted.append(EscapedText(text.substr(0, kQuotedLength)));
    if (text.size() > kQuotedLength) quoted += "...";
    quoted.push_back('"');
    return quoted;
}

}  // namespace kestrava
