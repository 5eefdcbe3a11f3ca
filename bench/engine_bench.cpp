#include <benchmark/benchmark.h>

#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"

namespace kestrava {
namespace {

const DesignInputs kWorkedExample{100.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5};

// Runs the design for 'table' until the timer stops; fails the benchmark if a run fails.
void RunDesigns(benchmark::State& state, ConductorTableSource& table) {
    for (auto _ : state) {
        DesignResult result = DesignTransformer(kWorkedExample, table);
        if (!result.has_value()) {
            state.SkipWithError(result.error().message.c_str());
            return;
        }
        benchmark::DoNotOptimize(result);
    }
}

// Target: under 2 µs per run.
void BM_DesignRunTableInMemory(benchmark::State& state) {
    LoadedConductorTable loaded = LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE);
    if (!loaded.has_value()) {
        state.SkipWithError(loaded.error().c_str());
        return;
    }
    InMemoryConductorTable table(std::move(loaded).value());
    RunDesigns(state, table);
}
BENCHMARK(BM_DesignRunTableInMemory);

// Target: under 1 ms per run.
void BM_DesignRunOpeningDatabase(benchmark::State& state) {
    SqliteConductorTable table(KESTRAVA_CONDUCTOR_DATABASE);
    RunDesigns(state, table);
}
BENCHMARK(BM_DesignRunOpeningDatabase)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrava

BENCHMARK_MAIN();
