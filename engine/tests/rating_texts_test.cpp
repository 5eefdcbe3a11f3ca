#include "engine/rating_texts.h"

#include <gtest/gtest.h>

namespace kestrava {
namespace {

RatingTexts Texts(std::string kva, std::string primary, std::string frequency,
                  std::string connection, std::string tapping) {
    return {std::move(kva),       std::move(primary),    "433",
            std::move(frequency), std::move(connection), std::move(tapping)};
}

struct RefusalCase {
    const char* name;
    RatingTexts texts;
    const char* field;
    const char* reasonPart;
};

class RatingRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RatingRefusalTest, NamesTheFieldAndTheReason) {
    const auto read = ReadRatingTexts(GetParam().texts);
    ASSERT_FALSE(read.has_value());
    EXPECT_EQ(RatingFieldName(read.error().field), GetParam().field);
    EXPECT_NE(read.error().reason.find(GetParam().reasonPart), std::string::npos)
        << read.error().reason;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RatingRefusalTest,
    testing::Values(
        RefusalCase{"TrailingText", Texts("100kVA", "11000", "50", "Delta-Star", "5"), "kva",
                    "not a number"},
        RefusalCase{"TooLargeForADouble", Texts("1e999", "11000", "50", "Delta-Star", "5"), "kva",
                    "not a number"},
        RefusalCase{"BlankKva", Texts("  ", "11000", "50", "Delta-Star", "5"), "kva", "empty"},
        RefusalCase{"EmptyTapping", Texts("100", "11000", "50", "Delta-Star", ""), "tapping",
                    "empty"},
        RefusalCase{"FrequencyAboveSixteenBits",
                    Texts("100", "11000", "32767.5", "Delta-Star", "5"), "frequency",
                    "outside -32768..32767"},
        RefusalCase{"ConnectionCase", Texts("100", "11000", "50", "delta-star", "5"), "connection",
                    "Delta-Star, Star-Delta, Star-Star, Delta-Delta"}),
    [](const testing::TestParamInfo<RefusalCase>& param) { return param.param.name; });

struct AcceptCase {
    const char* name;
    RatingTexts texts;
    double kva;
    double primary;
    std::int16_t frequency;
    std::int16_t tapping;
};

class RatingAcceptTest : public testing::TestWithParam<AcceptCase> {};

TEST_P(RatingAcceptTest, ReadsAsTheParameterWindow) {
    const auto read = ReadRatingTexts(GetParam().texts);
    ASSERT_TRUE(read.has_value()) << read.error().reason;
    const DesignInputs& inputs = read.value();
    EXPECT_EQ(inputs.kvaRating, GetParam().kva);
    EXPECT_EQ(inputs.primaryVoltage, GetParam().primary);
    EXPECT_EQ(inputs.secondaryVoltage, 433);
    EXPECT_EQ(inputs.frequency, GetParam().frequency);
    EXPECT_EQ(inputs.tapping, GetParam().tapping);
    EXPECT_EQ(ConnectionName(inputs.connectionType), GetParam().texts.connection);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RatingAcceptTest,
    testing::Values(
        AcceptCase{"Blanks", Texts("100", "11 000", "50", "Delta-Star", "5"), 100, 11000, 50, 5},
        AcceptCase{"HalfToEven", Texts("2.5e2", "11000", "50.5", "Star-Star", "2.5"), 250, 11000,
                   50, 2},
        AcceptCase{"HalfUpToEven", Texts("100", "&H2AF8", "51.5", "Star-Delta", "3.5"), 100, 11000,
                   52, 4},
        AcceptCase{"LeadingNumberOfFrequency", Texts("100", "11000", "60Hz", "Delta-Delta", "x"),
                   100, 11000, 60, 0},
        AcceptCase{"SixteenBitEdges", Texts("100", "11000", "32767.4", "Delta-Star", "-32768"), 100,
                   11000, 32767, -32768}),
    [](const testing::TestParamInfo<AcceptCase>& param) { return param.param.name; });

}  // namespace
}  // namespace kestrava
