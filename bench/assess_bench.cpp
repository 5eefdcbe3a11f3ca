#include <benchmark/benchmark.h>

#include "assess/assessment.h"
#include "assess/assessment_json.h"
#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"

namespace kestrava::assess {
namespace {

// The worked 100 kVA design: inconsistent, so its clearance sentence is written each time.
DesignRecord WorkedDesign() {
    InMemoryConductorTable table(LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE).value());
    return DesignTransformer({100.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5}, table)
        .value();
}

// Target: under 1 µs with the regime loaded.
void BM_AssessWithRegime(benchmark::State& state) {
    const DesignRecord record = WorkedDesign();
    const RegimeOutcome regime = FindRegime("eu-2014-548-tier1", KESTRAVA_STANDARDS_DIR);
    if (!regime.has_value()) {
        state.SkipWithError(regime.error().c_str());
        return;
    }
    for (auto _ : state) {
        Assessment assessment = Assess(record, {}, &regime.value());
        benchmark::DoNotOptimize(assessment);
    }
}
BENCHMARK(BM_AssessWithRegime);

void BM_AssessWithoutRegime(benchmark::State& state) {
    const DesignRecord record = WorkedDesign();
    for (auto _ : state) {
        Assessment assessment = Assess(record, {}, nullptr);
        benchmark::DoNotOptimize(assessment);
    }
}
BENCHMARK(BM_AssessWithoutRegime);

// What --assess adds to each JSON line besides the assessment itself.
void BM_AssessmentJson(benchmark::State& state) {
    const DesignRecord record = WorkedDesign();
    const Assessment assessment = Assess(record, {}, nullptr);
    for (auto _ : state) {
        std::string text;
        AppendAssessmentJson(text, assessment);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_AssessmentJson);

}  // namespace
}  // namespace kestrava::assess

BENCHMARK_MAIN();
