#include "sheet/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace kestrava {
namespace {

struct FormatCase {
    double value;
    const char* text;
};

class PlainNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(PlainNumberTest, WritesFifteenDigitsInPlainDecimal) {
    EXPECT_EQ(FormatPlainNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainNumberTest,
    testing::Values(FormatCase{2.0, "2"}, FormatCase{0.5, "0.5"}, FormatCase{12.3457, "12.3457"},
                    FormatCase{-0.0125, "-0.0125"}, FormatCase{0.0, "0"}, FormatCase{-0.0, "0"},
                    FormatCase{27.0, "27"}, FormatCase{-27.0, "-27"}, FormatCase{100.0, "100"},
                    FormatCase{0.1 + 0.2, "0.3"}, FormatCase{1.0 / 3.0, "0.333333333333333"},
                    FormatCase{2.0 / 3.0, "0.666666666666667"},
                    FormatCase{123456789.12345678, "123456789.123457"},
                    FormatCase{999999999999999.9, "1000000000000000"},
                    FormatCase{123456789012345678.0, "123456789012346000"},
                    FormatCase{1e20, "100000000000000000000"}, FormatCase{1e-7, "0.0000001"},
                    FormatCase{-2.5e-10, "-0.00000000025"},
                    FormatCase{0.00012345678901234567, "0.000123456789012346"},
                    FormatCase{std::numeric_limits<double>::quiet_NaN(), "NaN"},
                    FormatCase{std::numeric_limits<double>::infinity(), "Infinity"},
                    FormatCase{-std::numeric_limits<double>::infinity(), "-Infinity"}));

TEST(PlainNumberTest, ExtremesStayInPlainNotation) {
    const std::string largest = FormatPlainNumber(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 15), "179769313486232");
    EXPECT_EQ(largest.find_first_not_of('0', 15), std::string::npos);

    const std::string smallest = FormatPlainNumber(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(smallest.substr(0, 2), "0.");
    EXPECT_EQ(smallest.find_first_not_of('0', 2), 325u);  // 4.94065645841247e-324
    EXPECT_EQ(smallest.substr(325), "494065645841247");
}

}  // namespace
}  // namespace kestrava
