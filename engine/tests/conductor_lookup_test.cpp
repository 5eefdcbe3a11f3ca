#include "engine/conductor_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrava {
namespace {

// Rows whose thickness tells them apart: the i-th row has thickness i + 1.
std::vector<ConductorStrip> Rows(std::initializer_list<double> areas) {
    std::vector<ConductorStrip> rows;
    for (const double area : areas) {
        rows.push_back({area, static_cast<double>(rows.size() + 1), 10.0});
    }
    return rows;
}

struct LookupCase {
    const char* name;
    double requiredArea;
    std::vector<ConductorStrip> rows;
    double chosenThickness;  // 0 when no row is chosen
};

class LookupConductorStripTest : public testing::TestWithParam<LookupCase> {};

TEST_P(LookupConductorStripTest, ChoosesTheRowOfTheFirstPassThatMatches) {
    const LookupCase& c = GetParam();
    InMemoryConductorTable table(c.rows);
    const StripLookup lookup = LookupConductorStrip(c.requiredArea, table);
    ASSERT_TRUE(lookup.has_value()) << lookup.error();
    if (c.chosenThickness == 0) {
        EXPECT_FALSE(lookup.value().has_value());
    } else {
        ASSERT_TRUE(lookup.value().has_value());
        EXPECT_EQ(lookup.value()->thickness, c.chosenThickness);
        EXPECT_EQ(lookup.value()->width, 10.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, LookupConductorStripTest,
    testing::Values(
        // 15.004 is compared as 15.00 in the two-decimal pass.
        LookupCase{"TwoDecimals", 15.004, Rows({14.5, 15.0, 15.5}), 2},
        // 15.04 misses at two decimals, 15.0 matches at one; nearest would take 15.06.
        LookupCase{"OneDecimal", 15.04, Rows({15.0, 15.06}), 1},
        LookupCase{"NearestAbove", 15.13, Rows({15.0, 15.2}), 2},
        LookupCase{"NearestBelow", 15.07, Rows({15.0, 15.2, 15.3}), 1},
        // 16.25 rounds to 16.2 (half to even), so the 16.3 row must not match; the tie goes up.
        LookupCase{"TieTakesUpperRow", 16.25, Rows({16.0, 16.5, 16.3}), 2},
        LookupCase{"FirstEqualRowInTableOrder", 15.0, Rows({15.0, 15.0}), 1},
        LookupCase{"ExactPassBeforeFirstRowAbove", 15.13, Rows({20.0, 15.13}), 2},
        LookupCase{"AboveEveryRow", 99.0, Rows({15.0, 16.0}), 0}),
    [](const testing::TestParamInfo<LookupCase>& param) { return std::string(param.param.name); });

TEST(LookupConductorStripErrorTest, FirstRowAboveTheAreaHasNoPreviousRow) {
    InMemoryConductorTable table(Rows({20.0, 30.0}));
    const StripLookup lookup = LookupConductorStrip(15.13, table);
    ASSERT_FALSE(lookup.has_value());
    EXPECT_FALSE(lookup.error().empty());
}

TEST(LookupConductorStripErrorTest, RowCountBeyondSixteenBitsFailsTheNearestPass) {
    std::vector<ConductorStrip> rows;
    for (int i = 1; i <= 32767; ++i) rows.push_back({static_cast<double>(i), 1.0, 1.0});
    InMemoryConductorTable largest(rows);
    const StripLookup found = LookupConductorStrip(100.3, largest);
    EXPECT_TRUE(found.has_value() && found.value().has_value());

    rows.push_back({32768.0, 1.0, 1.0});
    InMemoryConductorTable tooLarge(rows);
    const StripLookup lookup = LookupConductorStrip(100.3, tooLarge);
    ASSERT_FALSE(lookup.has_value());
    EXPECT_NE(lookup.error().find("32767"), std::string::npos) << lookup.error();
}

class FailingTable final : public ConductorTableSource {
  public:
    ConductorRows OpenRows() override { return Fail(std::string("unable to open database file")); }
};

TEST(LookupConductorStripErrorTest, PassesOnTheDataLayerFailure) {
    FailingTable table;
    const StripLookup lookup = LookupConductorStrip(15.0, table);
    ASSERT_FALSE(lookup.has_value());
    EXPECT_EQ(lookup.error(), "unable to open database file");
}

}  // namespace
}  // namespace kestrava
