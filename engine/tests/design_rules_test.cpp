#include "engine/design_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/conductor_lookup.h"
#include "engine/design_record_fields.h"
#include "engine/design_transformer.h"
#include "engine/tests/design_test_support.h"

namespace kestrava {
namespace {

using testing_support::WideStripTable;
using testing_support::WorkedExampleInputs;

DesignRecord RunByRules(const DesignRules& rules) {
    InMemoryConductorTable table = WideStripTable();
    DesignResult result = DesignTransformer(WorkedExampleInputs(), table, rules, LegacySteel());
    if (!result.has_value()) {
        ADD_FAILURE() << result.error().message;
        return {};
    }
    return std::move(result).value();
}

std::map<std::string, double> Fields(const DesignRecord& record) {
    std::map<std::string, double> fields;
    ForEachDoubleField(record, [&](std::string_view name, double value) {
        fields.emplace(std::string(name), value);
    });
    return fields;
}

// Fields neither rule may touch: the core before the window shape, the L.V. turns and current,
// and the H.V. conductor.
const std::vector<std::string> kUpstreamFields = {
    "outputConstant",  "coreFluxDensity", "windowSpaceFactor",
    "currentDensity",  "voltagePerTurn",  "flux",
    "netIronArea",     "windowArea",      "lvTurnsPerPhase",
    "lvPhaseCurrent",  "hvTurnsPerPhase", "hvTurnsPerCoil",
    "hvTurnsPerLayer", "hvConductorArea", "hvCoilHeight",
    "hvWindingHeight", "hvWindingDepth",  "lvHvInsulationThickness"};

// The fixed-rule record and the one with 'change' applied; the upstream fields and 'alsoKept'
// must be the same in both.
std::pair<DesignRecord, DesignRecord> RunChanged(void (*change)(DesignRules&, double), double value,
                                                 const std::vector<std::string>& alsoKept) {
    const DesignRules fixed = FixedDesignRules(100.0);
    DesignRules rules = fixed;
    change(rules, value);
    std::pair<DesignRecord, DesignRecord> records{RunByRules(fixed), RunByRules(rules)};
    const auto was = Fields(records.first);
    const auto is = Fields(records.second);
    for (const auto* names : {&kUpstreamFields, &alsoKept}) {
        for (const std::string& name : *names) EXPECT_EQ(was.at(name), is.at(name)) << name;
    }
    return records;
}

TEST(DesignRulesTest, ParallelStripsChangeOnlyTheLvConductorSteps) {
    for (const int strips : {2, 3, 4}) {
        const auto [single, record] =
            RunChanged([](DesignRules& r, double n) { r.parallelStrips = static_cast<int>(n); },
                       strips, {"windowWidth", "windowHeight", "lvInsideDiameter"});
        InMemoryConductorTable table = WideStripTable();
        const StripLookup lookup =
            LookupConductorStrip(record.lvPhaseCurrent / record.currentDensity / strips, table);
        ASSERT_TRUE(lookup.has_value() && lookup.value().has_value());
        const ConductorStrip& strip = *lookup.value();
        EXPECT_EQ(record.lvConductorAxialDepth, strip.width) << strips;
        EXPECT_EQ(record.lvConductorRadialDepth, strip.thickness * strips) << strips;
        EXPECT_EQ(record.lvConductorArea, strip.width * (strip.thickness * strips));
        EXPECT_EQ(record.lvWindingDepth, record.lvConductorRadialDepth * 3 + 1);
        EXPECT_GT(record.lvWindingDepth, single.lvWindingDepth);
    }
}

TEST(DesignRulesTest, WindowRatioChangesOnlyTheWindowShape) {
    for (const double ratio : {2.0, 3.25, 4.0}) {
        const auto [standard, record] =
            RunChanged([](DesignRules& r, double value) { r.windowRatio = value; }, ratio,
                       {"lvConductorArea", "lvConductorRadialDepth", "lvWindingHeight"});
        EXPECT_EQ(record.windowWidth, std::sqrt(record.windowArea / ratio)) << ratio;
        EXPECT_EQ(record.windowHeight, std::sqrt(record.windowArea * ratio)) << ratio;
        EXPECT_NE(record.windowHeight, standard.windowHeight) << ratio;
    }
}

struct RefusedRulesCase {
    const char* change;
    void (*apply)(DesignRules&);
    const char* mentions;
};

class RefusedRulesTest : public testing::TestWithParam<RefusedRulesCase> {};

TEST_P(RefusedRulesTest, RefusedBeforeTheRun) {
    DesignRules rules = FixedDesignRules(100.0);
    GetParam().apply(rules);
    InMemoryConductorTable table = WideStripTable();
    const DesignResult result =
        DesignTransformer(WorkedExampleInputs(), table, rules, LegacySteel());
    ASSERT_FALSE(result.has_value()) << GetParam().change;
    const DesignFailure* failure = &result.error();
    EXPECT_EQ(failure->kind, DesignFailure::Kind::RulesRefused);
    EXPECT_NE(failure->message.find(GetParam().mentions), std::string::npos) << failure->message;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RefusedRulesTest,
    testing::Values(
        RefusedRulesCase{"flux above legacy", [](DesignRules& r) { r.coreFluxDensity = 1.45; },
                         "limb flux density of 1.45"},
        RefusedRulesCase{"flux below legacy", [](DesignRules& r) { r.coreFluxDensity = 0.95; },
                         "1 to 1.4 T"},
        RefusedRulesCase{"no strips", [](DesignRules& r) { r.parallelStrips = 0; },
                         "parallelStrips"},
        RefusedRulesCase{"zero ratio", [](DesignRules& r) { r.windowRatio = 0.0; }, "windowRatio"},
        RefusedRulesCase{"NaN density", [](DesignRules& r) { r.currentDensity = std::nan(""); },
                         "currentDensity"},
        RefusedRulesCase{"other steel", [](DesignRules& r) { r.steel = "hib-023"; }, "hib-023"}));

}  // namespace
}  // namespace kestrava
