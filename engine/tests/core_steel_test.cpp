#include "engine/core_steel.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/core_steel_catalogue.h"

namespace kestrava {
namespace {

CoreSteelCatalogue ShippedSteels() {
    LoadedCoreSteels loaded = LoadCoreSteels(KESTRAVA_STEELS_FILE);
    if (!loaded.has_value()) {
        ADD_FAILURE() << loaded.error();
        return {};
    }
    return std::move(loaded).value();
}

struct LossCase {
    const char* steel;
    double limbFlux;
    double limbLoss;
    double yokeLoss;
};

class SpecificLossTest : public testing::TestWithParam<LossCase> {};

// Points give the table's own value; between points the loss is linear; grain-oriented steels
// key the yoke by its own, lower flux density and apply the building factor.
TEST_P(SpecificLossTest, InterpolatesBetweenCurvePoints) {
    const LossCase& c = GetParam();
    const CoreSteelCatalogue steels = ShippedSteels();
    const CoreSteel* steel = steels.Find(c.steel);
    ASSERT_NE(steel, nullptr);
    const double yokeFlux = c.limbFlux / 1.2;
    ASSERT_TRUE(CheckFluxOnCurves(*steel, c.limbFlux, yokeFlux).has_value());
    const SpecificIronLosses losses = SpecificLosses(*steel, c.limbFlux, yokeFlux);
    EXPECT_NEAR(losses.limb, c.limbLoss, 1e-12);
    EXPECT_NEAR(losses.yoke, c.yokeLoss, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Steels, SpecificLossTest,
    testing::Values(LossCase{"legacy", 1.0, 1.2, 0.85}, LossCase{"legacy", 1.4, 2.3, 1.6},
                    LossCase{"legacy", 1.175, 1.5, 1.1},
                    LossCase{"legacy", 1.3, 1.7 + 0.6 / 3, 1.2 + 0.4 / 3},
                    LossCase{"crgo-m4-027", 1.2, 0.57 * 1.15, 0.40 * 1.15},
                    LossCase{"crgo-m4-027", 1.7, 1.38 * 1.15, (0.80 + 0.15 / 6) * 1.15},
                    LossCase{"hib-023", 1.56, (0.62 + 0.6 * 0.10) * 1.15, 0.45 * 1.15}));

TEST(SpecificLossTest, LegacyPointsAreExactlyTheFixedTables) {
    const CoreSteel& legacy = LegacySteel();
    for (std::size_t i = 0; i < legacy.limb.fluxDensity.size(); ++i) {
        const double flux = legacy.limb.fluxDensity[i];
        const SpecificIronLosses losses = SpecificLosses(legacy, flux, flux / 1.2);
        EXPECT_EQ(losses.limb, legacy.limb.loss[i]);
        EXPECT_EQ(losses.yoke, legacy.yoke.loss[i]);
    }
}

TEST(CoreSteelCatalogueTest, ShippedLegacyIsTheBuiltInSteel) {
    const CoreSteelCatalogue steels = ShippedSteels();
    ASSERT_EQ(steels.steels.size(), 3u);
    const CoreSteel* legacy = steels.Find("legacy");
    ASSERT_NE(legacy, nullptr);
    EXPECT_EQ(legacy->pricePerKg, LegacySteel().pricePerKg);
    EXPECT_EQ(legacy->buildingFactor, LegacySteel().buildingFactor);
    EXPECT_EQ(legacy->limb.fluxDensity, LegacySteel().limb.fluxDensity);
    EXPECT_EQ(legacy->limb.loss, LegacySteel().limb.loss);
    EXPECT_EQ(legacy->yoke.loss, LegacySteel().yoke.loss);
    EXPECT_TRUE(legacy->yokeKeyedByLimbFlux);
}

TEST(CoreSteelCatalogueTest, GrainOrientedYokeBelowItsCurveIsRefused) {
    const CoreSteelCatalogue steels = ShippedSteels();
    const CoreSteel* steel = steels.Find("hib-023");
    ASSERT_NE(steel, nullptr);
    const auto refusal = CheckFluxOnCurves(*steel, 1.15, 1.15 / 1.2);
    ASSERT_FALSE(refusal.has_value());
    EXPECT_NE(refusal.error().find("yoke"), std::string::npos) << refusal.error();
    EXPECT_FALSE(CheckFluxOnCurves(*steel, 1.75, 1.75 / 1.2).has_value());
}

TEST(CoreSteelCatalogueTest, RefusesBrokenFiles) {
    const std::string steel =
        R"("name":"s","pricePerKg":3,"buildingFactor":1.1,"yokeKeyedBy":"yoke",)";
    const struct {
        std::string json;
        const char* mentions;
    } cases[] = {
        {"{", "not JSON"},
        {R"({"source":"x","scope":"y","steels":[]})", "no steels"},
        {R"({"source":"x","scope":"y","steels":[{)" + steel +
             R"("fluxDensity":[1.0,1.0],"limbLoss":[1,2]}]})",
         "ascending"},
        {R"({"source":"x","scope":"y","steels":[{)" + steel +
             R"("fluxDensity":[1.0,1.1],"limbLoss":[1]}]})",
         "one value per"},
        {R"({"source":"x","scope":"y","steels":[{)" + steel +
             R"("fluxDensity":[1.0,1.1],"limbLoss":[1,-2]}]})",
         "positive"},
        {R"({"source":"x","scope":"y","steels":[{)" + steel +
             R"("fluxDensity":[1.0,1.1],"limbLoss":[1,2],"colour":1}]})",
         "unknown member \"colour\""},
        {R"({"source":"x","scope":"y","steels":[{)" + steel +
             R"("fluxDensity":[1.0,1.1],"limbLoss":[1,2]},{)" + steel +
             R"("fluxDensity":[1.0,1.1],"limbLoss":[1,2]}]})",
         "twice"},
        {R"({"scope":"y","steels":[]})", "lacks \"source\""},
    };
    for (const auto& c : cases) {
        const LoadedCoreSteels loaded = ReadCoreSteels(c.json);
        ASSERT_FALSE(loaded.has_value()) << c.json;
        EXPECT_NE(loaded.error().find(c.mentions), std::string::npos)
            << c.json << " -> " << loaded.error();
    }
}

}  // namespace
}  // namespace kestrava
