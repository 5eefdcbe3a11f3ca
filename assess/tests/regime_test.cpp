#include "assess/regime.h"

#include <gtest/gtest.h>

#include <cmath>

#include "assess/assessment.h"
#include "assess/tests/assess_test_support.h"

namespace kestrava::assess {
namespace {

using test_support::ShippedRegime;

TEST(RegimeTest, ShipsThreeRegimesEachWithSourceAndScope) {
    EXPECT_EQ(RegimeNames(KESTRAVA_STANDARDS_DIR),
              (std::vector<std::string>{"eu-2014-548-tier1", "eu-2014-548-tier2", "us-doe-2016"}));
    for (const std::string& name : RegimeNames(KESTRAVA_STANDARDS_DIR)) {
        const Regime regime = ShippedRegime(name);
        EXPECT_FALSE(regime.source.empty()) << name;
        EXPECT_FALSE(regime.scope.description.empty()) << name;
        EXPECT_EQ(regime.kva.size(), 9u) << name;
    }
}

TEST(RegimeTest, LimitsAreLinearBetweenRowsAndEndAtTheTable) {
    const Regime tier2 = ShippedRegime("eu-2014-548-tier2");
    const RegimeLimit& p0 = tier2.limits[0];
    const RegimeLimit& pk = tier2.limits[1];
    ASSERT_EQ(p0.kind, LimitKind::MaxNoLoadLossW);
    ASSERT_EQ(pk.kind, LimitKind::MaxLoadLossW);
    const struct {
        double kva;
        std::optional<double> p0, pk;
    } cases[] = {
        {25, 63, 600},       // first row
        {630, 540, 4600},    // last row
        {75, 105.5, 1000},   // half way from 50 to 100
        {130, 159.5, 1500},  // half way from 100 to 160
        {24.999, std::nullopt, std::nullopt},
        {630.001, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LimitAt(tier2, p0, c.kva), c.p0) << c.kva;
        EXPECT_EQ(LimitAt(tier2, pk, c.kva), c.pk) << c.kva;
    }
    const Regime doe = ShippedRegime("us-doe-2016");
    EXPECT_NEAR(*LimitAt(doe, doe.limits[0], 100), 99.03 + (99.11 - 99.03) * 25 / 37.5, 1e-12);
}

// A 100 kVA design of 140 W no-load and 1800 W load loss at the given primary and frequency.
DesignRecord RatedRecord(double primaryLineVoltage, ConnectionType connection,
                         std::int16_t frequency) {
    DesignRecord r;
    r.kvaRating = 100;
    r.connectionType = connection;
    r.frequency = frequency;
    r.primaryVoltage =
        IsHvStar(connection) ? primaryLineVoltage / std::sqrt(3.0) : primaryLineVoltage;
    r.totalCoreLoss = 140;
    r.totalCopperLoss = 1800;
    return r;
}

TEST(RegimeTest, CoversOnlyItsVoltagesFrequenciesAndRatings) {
    const Regime tier1 = ShippedRegime("eu-2014-548-tier1");
    const Regime doe = ShippedRegime("us-doe-2016");
    const struct {
        DesignRecord record;
        const Regime* regime;
        bool covered;
    } cases[] = {
        {RatedRecord(24000, ConnectionType::DeltaStar, 50), &tier1, true},
        {RatedRecord(24000, ConnectionType::StarStar, 50), &tier1, true},
        {RatedRecord(24000.01, ConnectionType::DeltaStar, 50), &tier1, false},
        {RatedRecord(24000.01, ConnectionType::StarDelta, 50), &tier1, false},
        {RatedRecord(11000, ConnectionType::DeltaStar, 60), &tier1, false},
        {RatedRecord(11000, ConnectionType::DeltaStar, 60), &doe, true},
        {RatedRecord(11000, ConnectionType::DeltaStar, 50), &doe, false},
        {RatedRecord(34501, ConnectionType::DeltaStar, 60), &doe, false},
    };
    for (const auto& c : cases) {
        const Compliance compliance = *Assess(c.record, {}, c.regime).compliance;
        SCOPED_TRACE(c.regime->name + " " + std::string(ConnectionName(c.record.connectionType)) +
                     " " + std::to_string(c.record.primaryVoltage) + " V " +
                     std::to_string(c.record.frequency) + " Hz");
        EXPECT_EQ(compliance.covered, c.covered);
        EXPECT_EQ(compliance.pass.has_value(), c.covered);
        for (const LimitCheck& limit : compliance.limits) {
            EXPECT_EQ(limit.limit.has_value(), c.covered);
            EXPECT_EQ(limit.pass.has_value(), c.covered);
        }
    }
    // Covered: 140 W meets the 145 W no-load limit, 1800 W misses the 1750 W load-loss limit.
    const Compliance verdict = *Assess(cases[0].record, {}, &tier1).compliance;
    EXPECT_EQ(verdict.limits[0].pass, true);
    EXPECT_EQ(verdict.limits[1].pass, false);
    EXPECT_EQ(verdict.pass, false);
}

TEST(RegimeTest, RefusesMalformedRegimes) {
    const std::string scope = R"("scope":{"description":"x"})";
    const auto regime = [&](const std::string& rows) {
        return R"({"name":"n","source":"s",)" + scope + R"(,"rows":)" + rows + "}";
    };
    const std::pair<std::string, std::string> cases[] = {
        {"[1,2]", "the regime must be an object"},
        {regime("[]"), "rows must be a list of at least one row"},
        {regime(R"([{"kva":50,"maxLoadLossW":1},{"kva":25,"maxLoadLossW":2}])"),
         "rows[1].kva must be above the kva of the row before"},
        {regime(R"([{"kva":25,"maxLoadLossW":1},{"kva":50,"maxNoLoadLossW":2}])"),
         "rows[1] names other limits than rows[0]"},
        {regime(R"([{"kva":25,"maxLoadLossW":1,"maxNoLoadLossW":1},{"kva":50,"maxLoadLossW":2}])"),
         "rows[1] names other limits than rows[0]"},
        {regime(R"([{"kva":25,"maxCost":1}])"), "unknown member \"maxCost\" in rows[0]"},
        {regime(R"([{"kva":25}])"), "rows[0] names no limit"},
        {regime(R"([{"kva":25,"maxLoadLossW":"900"}])"), "rows[0].maxLoadLossW must be a number"},
        {regime(R"([{"kva":-5,"maxLoadLossW":900}])"), "rows[0].kva must be positive"},
        {R"({"name":"n","source":"s","scope":{},"rows":[{"kva":1,"maxLoadLossW":1}]})",
         "scope.description must be a text"},
        {R"({"name":"n","source":"s","scope":{"description":"d","frequencies":[50.5]},"rows":[]})",
         "scope.frequencies must hold whole numbers of hertz"},
        {R"({"name":"n","scope":{"description":"d"},"rows":[{"kva":1,"maxLoadLossW":1}]})",
         "source must be a text"},
    };
    for (const auto& [text, problem] : cases) {
        const RegimeOutcome outcome = ParseRegime(text);
        ASSERT_FALSE(outcome.has_value()) << text;
        EXPECT_EQ(outcome.error(), problem) << text;
    }
    const RegimeOutcome unknown = FindRegime("eu-2030", KESTRAVA_STANDARDS_DIR);
    ASSERT_FALSE(unknown.has_value());
    EXPECT_EQ(unknown.error(),
              "no regime named \"eu-2030\"; known: eu-2014-548-tier1 eu-2014-548-tier2 "
              "us-doe-2016");
    // A typed escape sequence is echoed escaped, never raw to the terminal.
    const RegimeOutcome escape = FindRegime("eu\x1b[2J", KESTRAVA_STANDARDS_DIR);
    ASSERT_FALSE(escape.has_value());
    EXPECT_EQ(escape.error().rfind("no regime named \"eu\\x1B[2J\";", 0), 0u) << escape.error();
}

}  // namespace
}  // namespace kestrava::assess
