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

}  // namespace
}  // namespace kestrava
