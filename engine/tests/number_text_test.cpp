#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace kestrava {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ReadCase {
    std::string text;
    double expected;
};

class ReadLeadingNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingNumberTest, ReadsTheLeadingNumber) {
    const ReadCase& c = GetParam();
    const double value = ReadLeadingNumber(c.text);
    EXPECT_EQ(value, c.expected) << "text: \"" << c.text << "\"";
    EXPECT_FALSE(value == 0.0 && std::signbit(value)) << "negative zero for \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLeadingNumberTest,
    testing::Values(
        ReadCase{"11,000", 11}, ReadCase{"11 000", 11000}, ReadCase{"&HFF", 255},
        ReadCase{"&hff", 255}, ReadCase{"&O17", 15}, ReadCase{"&o17", 15}, ReadCase{"&H", 0},
        ReadCase{"&O8", 0}, ReadCase{"&X1", 0}, ReadCase{"&H1G", 1}, ReadCase{"-&H10", 0},
        ReadCase{"1e3", 1000}, ReadCase{"-2.5E-1x", -0.25}, ReadCase{"abc", 0}, ReadCase{"", 0},
        ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"1e", 1}, ReadCase{"1e+", 1},
        ReadCase{"1e-x", 1}, ReadCase{"+-1", 0}, ReadCase{"+7", 7}, ReadCase{"-0", 0},
        ReadCase{"000", 0}, ReadCase{"-0.000e5", 0}, ReadCase{" \t\n42", 42},
        ReadCase{"4\t2\n.5", 42.5}, ReadCase{"1 e 3", 1000}, ReadCase{"- 5", -5},
        ReadCase{"1.2.3", 1.2}, ReadCase{"12abc", 12}, ReadCase{"\r5", 0}, ReadCase{"0.1", 0.1},
        ReadCase{"007.50", 7.5}, ReadCase{"123456789012345678901234567890", 1.2345678901234568e29},
        ReadCase{"0.000000000000000000000000000001e30", 1}, ReadCase{"1e400", kInf},
        ReadCase{"-1e400", -kInf}, ReadCase{"1e99999999999999999999", kInf}, ReadCase{"1e-400", 0},
        ReadCase{"0e99999999999999999999", 0}, ReadCase{std::string(300, 'F'), 0},
        ReadCase{"&H" + std::string(300, 'F'), kInf}));

TEST(IsNumericTextTest, AcceptsExactlyOneNumber) {
    for (const char* text : {"11 000", "&H1F", "&o7", "1e3", " 42 ", ".5", "5.", "-2.5E-1", "+7",
                             "1 e 3", "0", "1e-400"}) {
        EXPECT_TRUE(IsNumericText(text)) << text;
    }
    for (const char* text : {"11,000", "abc", "", "   ", "1e", "1e+", "+-1", ".", "-", "&H", "&X1",
                             "1.2.3", "12abc", "-2.5E-1x", "5\r", "1e400", "&H1G", "-&H1"}) {
        EXPECT_FALSE(IsNumericText(text)) << text;
    }
    EXPECT_FALSE(IsNumericText("&H" + std::string(300, 'F'))) << "overflowing hexadecimal";
}

TEST(RoundToInt16Test, RoundsHalfToEvenWithinRange) {
    const struct {
        double value;
        std::optional<std::int16_t> expected;
    } cases[] = {{2.5, 2},          {3.5, 4},      {-2.5, -2},         {-3.5, -4},
                 {0.5, 0},          {1.5, 2},      {2.4999999, 2},     {7.3333, 7},
                 {32767.4, 32767},  {32767.5, {}}, {-32768.5, -32768}, {-32768.6, {}},
                 {-32769, {}},      {1e300, {}},   {kInf, {}},         {-kInf, {}},
                 {std::nan(""), {}}};
    for (const auto& c : cases) EXPECT_EQ(RoundToInt16(c.value), c.expected) << c.value;
}

TEST(RoundToDecimalsTest, RoundsHalfToEvenAtTheDecimal) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {{2.125, 2, 2.12},  {0.03125, 4, 0.0312}, {0.09375, 4, 0.0938},
                 {16.25, 1, 16.2},  {57.97272, 2, 57.97}, {57.97272, 1, 58.0},
                 {15.004, 2, 15.0}, {-2.125, 2, -2.12},   {62.5, 0, 62},
                 {63.5, 0, 64},     {1e300, 10, 1e300},   {1234.5678, 0, 1235}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToDecimals(c.value, c.decimals), c.expected)
            << c.value << " to " << c.decimals;
    }
    EXPECT_TRUE(std::isnan(RoundToDecimals(std::nan(""), 2)));
}

// Random texts drawn mostly from the characters a number is made of.
std::string RandomText(std::mt19937& random) {
    static constexpr char kAlphabet[] = "0123456789+-.eEhHoO& \t\n,x";
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> pick(0, sizeof(kAlphabet) - 2);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::bernoulli_distribution rawByte(0.1);
    std::string text;
    for (int i = length(random); i > 0; --i) {
        text.push_back(
            static_cast<char>(rawByte(random) ? anyByte(random) : kAlphabet[pick(random)]));
    }
    return text;
}

TEST(NumberTextPropertyTest, RandomTextsReadSafelyAndConsistently) {
    std::mt19937 random(20261208);
    int numeric = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = RandomText(random);
        const double value = ReadLeadingNumber(text);
        EXPECT_FALSE(std::isnan(value)) << text;
        if (IsNumericText(text)) {
            ++numeric;
            EXPECT_TRUE(std::isfinite(value)) << text;
            // A complete number is not changed by what follows it.
            EXPECT_EQ(ReadLeadingNumber(text + ",9"), value) << text;
        }
    }
    EXPECT_GT(numeric, 300) << "the generator should produce many numbers";
}

TEST(NumberTextPropertyTest, PlainDecimalsMatchTheCLibrary) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digitCount(1, 25);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-330, 330);
    std::bernoulli_distribution coin(0.5);
    auto digits = [&] {
        std::string text;
        for (int n = digitCount(random); n > 0; --n)
            text.push_back(static_cast<char>('0' + digit(random)));
        return text;
    };
    for (int i = 0; i < 5000; ++i) {
        std::string text = coin(random) ? "-" : "";
        text += digits();
        if (coin(random)) text.append(".").append(digits());
        if (coin(random)) text.append("e").append(std::to_string(exponent(random)));
        const double expected = std::strtod(text.c_str(), nullptr);
        const double value = ReadLeadingNumber(text);
        EXPECT_EQ(value, expected) << text;
        EXPECT_EQ(IsNumericText(text), std::isfinite(expected)) << text;
    }
}

}  // namespace
}  // namespace kestrava
