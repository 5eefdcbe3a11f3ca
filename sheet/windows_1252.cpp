#include "sheet/windows_1252.h"

#include <array>

#include "sheet/utf8_decode.h"

namespace kestrava {
namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five bytes that have no character.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char kNoForm = '?';

char ToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(codePoint));
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] != 0 && kHighControlRange[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return kNoForm;
}

}  // namespace

char32_t FromWindows1252(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char32_t codePoint = kHighControlRange[byte - 0x80u];
    return codePoint != 0 ? codePoint : char32_t{0xFFFD};
}

void AppendAsWindows1252(std::string& out, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(text, pos, codePoint);
        if (length == 0) {
            out += kNoForm;
            ++pos;
        } else {
            out += ToWindows1252(codePoint);
            pos += length;
        }
    }
}

}  // namespace kestrava
