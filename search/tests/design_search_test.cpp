#include "search/design_search.h"

#include <gtest/gtest.h>

#include <random>

#include "assess/assessment.h"
#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"
#include "search/candidate_evaluator.h"
#include "search/pareto_front.h"
#include "search/refinement.h"
#include "search/search_grid_file.h"

namespace kestrava::search {
namespace {

std::vector<ConductorStrip> InstalledRows() {
    LoadedConductorTable loaded = LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE);
    EXPECT_TRUE(loaded.has_value());
    return std::move(loaded).value();
}

CoreSteelCatalogue InstalledSteels() {
    LoadedCoreSteels loaded = LoadCoreSteels(CoreSteelsFile(KESTRAVA_INSTALL_DIR));
    if (!loaded.has_value()) {
        ADD_FAILURE() << loaded.error();
        return {};
    }
    return std::move(loaded).value();
}

assess::Regime InstalledRegime(const char* name) {
    auto read =
        assess::ReadRegimeFile(std::string(KESTRAVA_INSTALL_DIR) + "/Standards/" + name + ".json");
    if (!read.has_value()) {
        ADD_FAILURE() << read.error();
        return {};
    }
    return std::move(read).value();
}

// A grid point judged the ordinary way: the engine's public run and the full assessment.
struct Judged {
    bool feasible = false;
    CandidateScore score;
};

Judged JudgeThroughEngine(const SearchRequest& request, const GridPoint& point,
                          const CoreSteelCatalogue& steels, std::vector<ConductorStrip> rows) {
    const DesignRules rules = RulesOf(request, point);
    const CoreSteel& steel = *steels.Find(rules.steel);
    InMemoryConductorTable table(std::move(rows));
    const DesignResult result = DesignTransformer(request.inputs, table, rules, steel);
    if (!result.has_value()) return {};
    const DesignRecord& record = result.value();
    assess::AssessmentSettings settings = request.settings;
    settings.prices.coreSteel = steel.pricePerKg;
    const assess::Assessment a = assess::Assess(record, settings, request.limits.regime);
    const bool regimeMet = !a.compliance || !a.compliance->covered || *a.compliance->pass;
    Judged judged;
    judged.feasible = CheckSizes(record).positive && a.clearances.empty() &&
                      a.impedance.pass != false && a.shortCircuit[0].pass &&
                      a.shortCircuit[1].pass && regimeMet;
    judged.score = {a.cost.material, a.cost.noLoadLossCapitalised + a.cost.loadLossCapitalised,
                    a.cost.totalOwning};
    return judged;
}

GridPoint RandomPoint(const SearchRequest& request, std::mt19937& random) {
    const SearchGrid& grid = request.grid;
    const auto pick = [&random](const std::vector<double>& values) {
        return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
    };
    GridPoint point;
    point.steel = std::uniform_int_distribution<std::size_t>(0, grid.steels.size() - 1)(random);
    point.coreFluxDensity = pick(AxisValues(grid.steels[point.steel].coreFluxDensity));
    point.outputConstant = pick(AxisValues(grid.outputConstant));
    point.currentDensity = pick(AxisValues(grid.currentDensity));
    point.windowRatio = pick(AxisValues(grid.windowRatio));
    point.parallelStrips =
        std::uniform_int_distribution<int>(grid.minParallelStrips, grid.maxParallelStrips)(random);
    return point;
}

struct SearchCase {
    const char* name;
    DesignInputs inputs;
    const char* regime;  // empty: none
    Objective objective;
    bool coarse;  // a tenth of the default grid, to keep the suite quick
};

SearchGrid CoarseGrid() {
    SearchGrid grid;
    grid.outputConstant.step = 0.05;
    grid.windowRatio.step = 0.5;
    grid.currentDensity.step = 0.3;
    return grid;
}

class DesignSearchTest : public testing::TestWithParam<SearchCase> {};

// The best design re-runs through the engine to the same costs, meets every constraint, owns no
// more than any feasible random grid point, and the front covers every one of those points.
TEST_P(DesignSearchTest, BestBeatsRandomGridPointsAndReRunsExactly) {
    const SearchCase& c = GetParam();
    const auto rows = InstalledRows();
    const CoreSteelCatalogue steels = InstalledSteels();
    assess::Regime regime;
    SearchRequest request;
    request.inputs = c.inputs;
    request.objective = c.objective;
    if (c.coarse) request.grid = CoarseGrid();
    if (*c.regime != '\0') {
        regime = InstalledRegime(c.regime);
        request.limits.regime = &regime;
    }
    const SearchRun run = RunDesignSearch(request, rows, steels);
    ASSERT_TRUE(run.has_value()) << run.error();
    const SearchOutcome& outcome = run.value();
    EXPECT_EQ(outcome.evaluated, CandidateCount(request.grid));
    ASSERT_GT(outcome.feasible, 0u);
    ASSERT_FALSE(outcome.best.empty());
    const SearchCandidate& best = outcome.best.front();

    const Judged again = JudgeThroughEngine(request, best.point, steels, rows);
    EXPECT_TRUE(again.feasible);
    EXPECT_EQ(again.score.material, best.score.material);
    EXPECT_EQ(again.score.totalOwning, best.score.totalOwning);

    for (std::size_t i = 1; i < outcome.front.size(); ++i) {
        EXPECT_LT(outcome.front[i - 1].score.material, outcome.front[i].score.material);
        EXPECT_GT(outcome.front[i - 1].score.lossCapitalisation,
                  outcome.front[i].score.lossCapitalisation);
    }
    std::mt19937 random(20261209);
    int feasiblePoints = 0;
    for (int i = 0; i < 3000; ++i) {
        const Judged judged =
            JudgeThroughEngine(request, RandomPoint(request, random), steels, rows);
        if (!judged.feasible) continue;
        ++feasiblePoints;
        EXPECT_LE(ObjectiveValue(c.objective, best.score),
                  ObjectiveValue(c.objective, judged.score));
        const bool covered = std::any_of(
            outcome.front.begin(), outcome.front.end(), [&judged](const SearchCandidate& f) {
                return f.score.material <= judged.score.material &&
                       f.score.lossCapitalisation <= judged.score.lossCapitalisation;
            });
        EXPECT_TRUE(covered) << judged.score.material << ' ' << judged.score.lossCapitalisation;
    }
    EXPECT_GT(feasiblePoints, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, DesignSearchTest,
    testing::Values(SearchCase{"WorkedExampleOwning",
                               {100, 11000, 433, 50, ConnectionType::DeltaStar, 5},
                               "",
                               Objective::TotalOwning,
                               false},
                    SearchCase{"OutOfRangeByFixedRulesTier1",
                               {160, 11000, 433, 50, ConnectionType::DeltaStar, 5},
                               "eu-2014-548-tier1",
                               Objective::TotalOwning,
                               true},
                    SearchCase{"SixtyHertzMaterial",
                               {63, 11000, 415, 60, ConnectionType::DeltaStar, 0},
                               "",
                               Objective::Material,
                               true}),
    [](const testing::TestParamInfo<SearchCase>& param) { return param.param.name; });

TEST(DesignSearchMissTest, ImpossibleRegimeGivesTheNearestMiss) {
    assess::Regime impossible = InstalledRegime("eu-2014-548-tier2");
    for (assess::RegimeLimit& column : impossible.limits) {
        for (double& value : column.values) value = 1.0;  // 1 W of loss at most
    }
    SearchRequest request;
    request.inputs = {100, 11000, 433, 50, ConnectionType::DeltaStar, 5};
    request.limits.regime = &impossible;
    const SearchOutcome outcome =
        RunDesignSearch(request, InstalledRows(), InstalledSteels()).value();
    EXPECT_EQ(outcome.feasible, 0u);
    EXPECT_TRUE(outcome.best.empty());
    EXPECT_TRUE(outcome.front.empty());
    ASSERT_TRUE(outcome.nearestMiss);
    const ConstraintSet broken = outcome.nearestMiss->broken;
    EXPECT_EQ(broken, Bit(Constraint::MaxNoLoadLossW) | Bit(Constraint::MaxLoadLossW));
}

TEST(DesignSearchGridTest, DefaultGridHoldsTypedDecimals) {
    const SearchGrid grid;
    EXPECT_EQ(CandidateCount(grid), 869364u);
    const std::vector<double> flux = AxisValues(grid.steels[0].coreFluxDensity);
    EXPECT_EQ(flux, (std::vector<double>{1.0, 1.05, 1.1, 1.15, 1.2, 1.25, 1.3, 1.35, 1.4}));
    const std::vector<double> densities = AxisValues(grid.currentDensity);
    ASSERT_EQ(densities.size(), 19u);
    EXPECT_EQ(densities[7], 2.3);
    EXPECT_EQ(densities.back(), 3.4);
    EXPECT_EQ(AxisValues(grid.outputConstant)[10], 0.45);

    SearchGrid outside;
    outside.steels = {{"hib-023", {1.1, 1.7, 0.05}}};  // yoke below the curve at 1.1 T
    SearchRequest request;
    request.inputs = {100, 11000, 433, 50, ConnectionType::DeltaStar, 5};
    request.grid = outside;
    EXPECT_NE(RunDesignSearch(request, InstalledRows(), InstalledSteels()).error().find("yoke"),
              std::string::npos);
}

// A grid file replaces only the axes it names, reads back what SearchGridJson wrote, and refuses
// what cannot be enumerated.
TEST(DesignSearchGridTest, GridFileOverridesAndRefuses) {
    const GridReading partial = ParseSearchGrid(
        R"({"windowRatio":{"first":1.5,"last":2.5,"step":0.5},)"
        R"("steels":[{"steel":"hib-023","coreFluxDensity":{"first":1.6,"last":1.7,"step":0.05}}],)"
        R"("parallelStrips":{"first":2,"last":3}})");
    ASSERT_TRUE(partial.has_value()) << partial.error();
    EXPECT_EQ(AxisValues(partial->windowRatio), (std::vector<double>{1.5, 2.0, 2.5}));
    EXPECT_EQ(partial->outputConstant.step, SearchGrid().outputConstant.step);
    EXPECT_EQ(CandidateCount(*partial), 41u * 3 * 19 * 3 * 2);
    const GridReading again = ParseSearchGrid(SearchGridJson(*partial));
    ASSERT_TRUE(again.has_value()) << again.error();
    EXPECT_EQ(SearchGridJson(*again), SearchGridJson(*partial));
    EXPECT_EQ(again->steels[0].steel, "hib-023");

    const struct {
        const char* text;
        const char* problem;
    } refused[] = {
        {R"({"grid":{}})", "grid"},
        {R"({"windowRatio":{"first":2,"last":3}})", "windowRatio.step is missing"},
        {R"({"windowRatio":{"first":2,"last":3,"step":0}})", "step must be positive"},
        {R"({"windowRatio":{"first":2,"last":2,"step":1e-300}})", "step must be at least"},
        {R"({"outputConstant":{"first":1e300,"last":1e300,"step":1}})", "and 1000000"},
        {R"({"currentDensity":{"first":"2","last":3,"step":0.1}})", "currentDensity.first"},
        {R"({"parallelStrips":{"first":0,"last":2}})", "parallelStrips.first"},
        {R"({"steels":[]})", "steels"},
        {R"({"steels":[{"coreFluxDensity":{"first":1,"last":1.2,"step":0.1}}]})", "steel"},
        {"[", ""},
    };
    for (const auto& [text, problem] : refused) {
        const GridReading read = ParseSearchGrid(text);
        ASSERT_FALSE(read.has_value()) << text;
        EXPECT_NE(read.error().find(problem), std::string::npos) << text << ": " << read.error();
    }
}

// Refining a coarse grid's best finds a design the engine itself judges feasible, owning no more,
// with its rules inside the coarse grid's ranges.
TEST(DesignSearchRefinementTest, RefinedBestIsFeasibleAndNoWorse) {
    SearchRequest request;
    request.inputs = {160, 11000, 433, 50, ConnectionType::DeltaStar, 5};
    request.grid.outputConstant = {0.35, 0.75, 0.05};
    request.grid.currentDensity = {1.6, 3.4, 0.3};
    request.grid.windowRatio = {2.0, 4.0, 0.5};
    const std::vector<ConductorStrip> rows = InstalledRows();
    const CoreSteelCatalogue steels = InstalledSteels();
    const SearchOutcome coarse = RunDesignSearch(request, rows, steels).value();
    ASSERT_FALSE(coarse.best.empty());
    const Refinement refined = RefineBest(request, coarse.best.front(), rows, steels);
    EXPECT_GT(refined.evaluated, 0u);
    EXPECT_LT(refined.best.score.totalOwning, coarse.best.front().score.totalOwning);
    const Judged judged = JudgeThroughEngine(refined.request, refined.best.point, steels, rows);
    EXPECT_TRUE(judged.feasible);
    EXPECT_EQ(judged.score.totalOwning, refined.best.score.totalOwning);
    const DesignRules rules = RulesOf(refined.request, refined.best.point);
    EXPECT_GE(rules.currentDensity, 1.6);
    EXPECT_LE(rules.currentDensity, 3.4);
    EXPECT_GE(rules.windowRatio, 2.0);
    EXPECT_LE(rules.windowRatio, 4.0);
}

TEST(DesignSearchCancelTest, CancelStopsTheSearchAndItsRefinement) {
    SearchRequest request;
    request.inputs = {100, 11000, 433, 50, ConnectionType::DeltaStar, 5};
    const std::vector<ConductorStrip> rows = InstalledRows();
    const CoreSteelCatalogue steels = InstalledSteels();
    SearchControl control;
    control.cancel = true;
    const SearchOutcome outcome = RunDesignSearch(request, rows, steels, &control).value();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.evaluated, 0u);

    request.grid.outputConstant = {0.4, 0.6, 0.1};
    const SearchOutcome coarse = RunDesignSearch(request, rows, steels).value();
    ASSERT_FALSE(coarse.best.empty());
    const Refinement refined = RefineBest(request, coarse.best.front(), rows, steels, &control);
    EXPECT_EQ(refined.evaluated, 0u);
    EXPECT_EQ(refined.best.score.totalOwning, coarse.best.front().score.totalOwning);
}

}  // namespace
}  // namespace kestrava::search
