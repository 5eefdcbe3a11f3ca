#include "sheet/windows_1252.h"

#include <gtest/gtest.h>

namespace kestrava {
namespace {

struct ConversionCase {
    const char* name;
    std::string utf8;
    std::string expected;
};

class Windows1252Test : public testing::TestWithParam<ConversionCase> {};

TEST_P(Windows1252Test, Converts) {
    std::string out;
    AppendAsWindows1252(out, GetParam().utf8);
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Windows1252Test,
    testing::Values(ConversionCase{"Ascii", "11000 V\t-+", "11000 V\t-+"},
                    ConversionCase{"Empty", "", ""},
                    ConversionCase{"Latin1", "caf\xC3\xA9 \xC3\x98 \xC2\xB0 \xC3\xBF",
                                   "caf\xE9 \xD8 \xB0 \xFF"},
                    ConversionCase{"EuroAndQuotes",
                                   "\xE2\x82\xAC \xE2\x80\x9C\xE2\x80\x9D \xC5\xB8",
                                   "\x80 \x93\x94 \x9F"},
                    ConversionCase{"CyrillicIsOneMarkPerCharacter", "\xD0\x96\xD0\x96", "??"},
                    ConversionCase{"OutsideBasicPlane", "a\xF0\x9F\x98\x80z", "a?z"},
                    ConversionCase{"UnassignedSlotOfTheRange", "\xC2\x81", "?"},
                    ConversionCase{"StrayContinuationByte", "a\x80z", "a?z"},
                    ConversionCase{"TruncatedSequence", "a\xE2\x82", "a??"},
                    ConversionCase{"OverlongSlash", "\xC0\xAF", "??"},
                    ConversionCase{"Surrogate", "\xED\xA0\x80", "???"}),
    [](const testing::TestParamInfo<ConversionCase>& param) { return param.param.name; });

// Every byte with a character comes back from the character it stands for.
TEST(Windows1252Test, DecodingEveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t codePoint = FromWindows1252(static_cast<unsigned char>(byte));
        if (codePoint == 0xFFFD) {
            EXPECT_TRUE(byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
                        byte == 0x9D)
                << byte;
            continue;
        }
        std::string utf8;
        if (codePoint < 0x80) {
            utf8 += static_cast<char>(codePoint);
        } else if (codePoint < 0x800) {
            utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
            utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
            utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
        }
        std::string back;
        AppendAsWindows1252(back, utf8);
        EXPECT_EQ(back, std::string(1, static_cast<char>(byte))) << byte;
    }
}

}  // namespace
}  // namespace kestrava
