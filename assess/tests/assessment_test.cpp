#include "assess/assessment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assess/assessment_fields.h"
#include "assess/assessment_json.h"
#include "assess/tests/assess_test_support.h"

namespace kestrava::assess {
namespace {

using test_support::DesignOnInstalledTable;
using test_support::ShippedRegime;

const DesignInputs kWorkedExample{100.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5};

TEST(AssessmentTest, WorkedDesignWeighsOverlapsAndFailsTheEuropeanNoLoadLimit) {
    const DesignRecord record = DesignOnInstalledTable(kWorkedExample);
    const Assessment a = Assess(record, {}, nullptr);

    EXPECT_NEAR(a.masses.coreLimb, 136.3536, 5e-5);
    EXPECT_NEAR(a.masses.coreYoke, 223.6038, 5e-5);
    EXPECT_DOUBLE_EQ(a.masses.core, a.masses.coreLimb + a.masses.coreYoke);
    EXPECT_DOUBLE_EQ(a.masses.total,
                     a.masses.core + a.masses.copper + a.masses.oil + a.masses.tankSteel);
    EXPECT_GT(a.masses.oil, 0);
    EXPECT_FALSE(a.compliance.has_value());

    ASSERT_EQ(a.clearances.size(), 1u);
    EXPECT_EQ(a.clearances[0].field, "hvCoilClearance");
    EXPECT_EQ(a.clearances[0].mm, record.hvCoilClearance);
    EXPECT_EQ(a.clearances[0].text, "H.V. coils of adjacent limbs overlap by 3.86 mm");

    const Regime regime = ShippedRegime("eu-2014-548-tier1");
    const Assessment tier1 = Assess(record, {}, &regime);
    ASSERT_TRUE(tier1.compliance.has_value());
    const Compliance& c = *tier1.compliance;
    EXPECT_EQ(c.regime, "EU 548/2014 Tier 1");
    EXPECT_TRUE(c.covered);
    ASSERT_EQ(c.limits.size(), 2u);
    EXPECT_EQ(c.limits[0].kind, LimitKind::MaxNoLoadLossW);
    EXPECT_EQ(c.limits[0].value, record.totalCoreLoss);
    EXPECT_EQ(c.limits[0].limit, 145.0);
    EXPECT_EQ(c.limits[0].pass, false);
    EXPECT_EQ(c.limits[1].limit, 1750.0);
    EXPECT_EQ(c.pass, false);
}

TEST(AssessmentTest, ChargesEveryKilogramAndWattAtTheSettingsPrices) {
    const DesignRecord record = DesignOnInstalledTable(kWorkedExample);
    const Assessment base = Assess(record, {}, nullptr);
    AssessmentSettings doubled;
    doubled.prices = {5.0, 22.0, 3.2, 2.4};
    doubled.capitalisation = {10.0, 2.0};
    const Assessment twice = Assess(record, doubled, nullptr);
    EXPECT_NEAR(twice.cost.totalOwning, 2 * base.cost.totalOwning, 1e-9 * base.cost.totalOwning);
    EXPECT_NEAR(base.cost.noLoadLossCapitalised, 5.0 * record.totalCoreLoss, 1e-9);

    AssessmentSettings thicker;
    thicker.tankWallThickness = 0.008;
    const Assessment heavy = Assess(record, thicker, nullptr);
    EXPECT_NEAR(heavy.masses.tankSteel, 2 * base.masses.tankSteel, 1e-9);
    EXPECT_NEAR(heavy.cost.material - base.cost.material, base.masses.tankSteel * 1.2, 1e-9);
}

TEST(AssessmentTest, EfficiencyPeaksWhereCopperLossEqualsIronLoss) {
    const DesignRecord record =
        DesignOnInstalledTable({250.0, 11000.0, 3300.0, 50, ConnectionType::DeltaStar, 5});
    const Assessment a = Assess(record, {}, nullptr);
    const double peak = a.maximumEfficiency.percent;
    for (std::size_t i = 0; i < a.efficiency.size(); ++i) {
        EXPECT_LE(a.efficiency[i].percent, peak) << i;
        const double unityPf = a.efficiency[i % 5].percent;
        if (i >= 5) {
            EXPECT_LT(a.efficiency[i].percent, unityPf) << "lagging below unity " << i;
        }
    }
    EXPECT_EQ(a.efficiency[3].load, 1.0);
    EXPECT_NEAR(a.efficiency[3].percent, record.efficiency, 1e-9);
    const double load = a.maximumEfficiency.load;
    EXPECT_NEAR(load * load * record.totalCopperLoss, record.totalCoreLoss, 1e-9);
    // Lagging loads drop more voltage than resistive ones when the reactance dominates.
    EXPECT_NEAR(a.regulation[0].percent,
                (record.puResistance + record.puReactance * record.puReactance / 2) * 100, 1e-12);
    EXPECT_GT(a.regulation[1].percent, a.regulation[0].percent);
}

TEST(AssessmentTest, ShortCircuitWithstandAtTheEdges) {
    DesignRecord record;
    record.kvaRating = 100;
    record.puImpedance = 0.05;
    record.lvConductorArea = 100;
    record.hvConductorArea = 1;
    struct Case {
        double currentDensity;
        std::optional<double> temperature;
        bool pass;
    };
    // 106000 / (2 J²) − 1 of 1 gives 785 °C; of zero or less, no end to the heating.
    const Case cases[] = {{std::sqrt(26500.0), 785.0, false},
                          {std::sqrt(53000.0), std::nullopt, false},
                          {std::sqrt(60000.0), std::nullopt, false},
                          {3.0, 105.11549, true}};
    for (const Case& c : cases) {
        record.hvPhaseCurrent = c.currentDensity * record.hvConductorArea * record.puImpedance;
        record.lvPhaseCurrent = 1.0;
        const Assessment a = Assess(record, {}, nullptr);
        const ShortCircuitCheck& hv = a.shortCircuit[0];
        EXPECT_EQ(hv.winding, "hv");
        EXPECT_NEAR(hv.currentDensity, c.currentDensity, 1e-9);
        EXPECT_EQ(hv.pass, c.pass) << c.currentDensity;
        ASSERT_EQ(hv.finalTemperature.has_value(), c.temperature.has_value()) << c.currentDensity;
        if (c.temperature) {
            EXPECT_NEAR(*hv.finalTemperature, *c.temperature, 1e-5);
        }
        EXPECT_EQ(a.shortCircuit[1].winding, "lv");
        EXPECT_TRUE(a.shortCircuit[1].pass);
    }
}

TEST(AssessmentTest, ImpedanceMinimumByRatingBand) {
    DesignRecord record;
    record.puImpedance = 0.045;
    const std::pair<double, std::optional<bool>> cases[] = {
        {630, true}, {631, false}, {1250, false}, {1251, std::nullopt}};
    for (const auto& [kva, pass] : cases) {
        record.kvaRating = kva;
        EXPECT_EQ(Assess(record, {}, nullptr).impedance.pass, pass) << kva;
    }
}

TEST(AssessmentTest, JsonHasExactlyTheNamedMembers) {
    const DesignRecord record = DesignOnInstalledTable(kWorkedExample);
    const Regime doe = ShippedRegime("us-doe-2016");
    const auto withRegime = AssessmentJson(Assess(record, {}, &doe));
    std::vector<std::string> keys;
    for (const auto& [key, value] : withRegime.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"masses", "volumes", "cost", "efficiency",
                                              "maximumEfficiency", "regulation", "clearances",
                                              "compliance", "impedance", "shortCircuit"}));
    EXPECT_EQ(withRegime["masses"].size(), 9u);
    EXPECT_EQ(withRegime["efficiency"].size(), 10u);
    EXPECT_EQ(withRegime["efficiency"][5]["powerFactor"], 0.8);
    const auto& compliance = withRegime["compliance"];
    EXPECT_EQ(compliance["regime"], "US DOE 2016");
    EXPECT_EQ(compliance["covered"], false);  // a 50 Hz design
    EXPECT_TRUE(compliance["pass"].is_null());
    EXPECT_EQ(compliance["limits"][0]["name"], "minEfficiency50");
    EXPECT_TRUE(compliance["limits"][0]["limit"].is_null());
    EXPECT_TRUE(AssessmentJson(Assess(record, {}, nullptr))["compliance"].is_null());
    Regime quoted = doe;  // a user's regime may name itself with any text
    quoted.name = "Utility \"A\" \\ limits\t\x01 \xC3\xA9t\xC3\xA9";
    EXPECT_EQ(AssessmentJson(Assess(record, {}, &quoted))["compliance"]["regime"], quoted.name);
}

// The value the field 'name' stands for in the assessment's JSON: members by their keys, list
// entries by the power factor, load or winding they carry; null under a null compliance.
nlohmann::json ValueAtName(const nlohmann::json& json, std::string_view name) {
    std::vector<std::string> keys;
    for (std::string_view rest = name.substr(name.find('.') + 1);;) {
        const std::size_t dot = rest.find('.');
        keys.emplace_back(rest.substr(0, dot));
        if (dot == std::string_view::npos) break;
        rest.remove_prefix(dot + 1);
    }
    const nlohmann::json* at = &json;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (at->is_null()) return nullptr;
        if (!at->is_array()) {
            at = &at->at(keys[i]);
            continue;
        }
        const auto entry = std::find_if(at->begin(), at->end(), [&](const nlohmann::json& e) {
            if (e.contains("winding")) return e["winding"] == keys[i];
            const double pf = keys[i] == "unity" ? 1.0 : 0.8;
            const bool loadNamed = i + 1 < keys.size() && keys[i + 1].starts_with("load");
            return e["powerFactor"] == pf &&
                   (!loadNamed || e["load"] == std::stod(keys[i + 1].substr(4)) / 100);
        });
        if (entry == at->end()) return "no entry " + keys[i];
        at = &*entry;
        if (i + 1 < keys.size() && keys[i + 1].starts_with("load")) ++i;
        if (i + 1 == keys.size() && at->contains("percent")) return (*at)["percent"];
    }
    return *at;
}

TEST(AssessmentTest, EachNamedFieldIsTheValueAtItsPathInTheJson) {
    const DesignRecord record = DesignOnInstalledTable(kWorkedExample);
    const Regime tier1 = ShippedRegime("eu-2014-548-tier1");
    DesignRecord large = record;
    large.kvaRating = 2000;  // no impedance minimum, outside the regime's rows
    using Case = std::pair<const DesignRecord*, const Regime*>;
    for (const auto& [design, regime] :
         {Case{&record, &tier1}, Case{&record, nullptr}, Case{&large, &tier1}}) {
        const Assessment a = Assess(*design, {}, regime);
        const nlohmann::json json = nlohmann::json::parse(AssessmentJson(a).dump());
        for (const AssessmentField& field : AssessmentFields()) {
            const nlohmann::json expected = ValueAtName(json, field.name);
            const FieldValue value = field.value(a);
            if (const auto* number = std::get_if<double>(&value)) {
                EXPECT_EQ(expected.get<double>(), *number) << field.name;
            } else if (const auto* verdict = std::get_if<bool>(&value)) {
                EXPECT_EQ(expected.get<bool>(), *verdict) << field.name;
            } else {
                EXPECT_TRUE(expected.is_null()) << field.name;
            }
            EXPECT_EQ(FindAssessmentField(field.name), &field);
        }
    }
    EXPECT_EQ(FindAssessmentField("assessment.cost"), nullptr);
}

}  // namespace
}  // namespace kestrava::assess
