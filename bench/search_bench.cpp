#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "assess/regime.h"
#include "records/conductor_table_database.h"
#include "search/design_search.h"

namespace kestrava::search {
namespace {

const DesignInputs kWorkedExample{100.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5};

// Searches the default grid of the worked rating (against 'regimeName' unless empty) and reports
// candidates designed and judged per second. Target: a million per second on two cores.
void SearchDefaultGrid(benchmark::State& state, const char* regimeName) {
    LoadedConductorTable loaded = LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE);
    LoadedCoreSteels steels = LoadCoreSteels(CoreSteelsFile(KESTRAVA_INSTALL_DIR));
    if (!loaded.has_value() || !steels.has_value()) {
        state.SkipWithError("the installed table or steels cannot be read");
        return;
    }
    SearchRequest request;
    request.inputs = kWorkedExample;
    std::optional<assess::RegimeOutcome> regime;
    if (*regimeName != '\0') {
        regime = assess::ReadRegimeFile(std::string(KESTRAVA_INSTALL_DIR) + "/Standards/" +
                                        regimeName + ".json");
        if (!regime->has_value()) {
            state.SkipWithError("the regime cannot be read");
            return;
        }
        request.limits.regime = &regime->value();
    }
    std::uint64_t candidates = 0;
    for (auto _ : state) {
        const SearchRun run = RunDesignSearch(request, loaded.value(), steels.value());
        candidates += run.value().evaluated;
        benchmark::DoNotOptimize(run.value().best);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(candidates));
}

void BM_SearchDefaultGrid(benchmark::State& state) {
    SearchDefaultGrid(state, "");
}
BENCHMARK(BM_SearchDefaultGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchDefaultGridTier1(benchmark::State& state) {
    SearchDefaultGrid(state, "eu-2014-548-tier1");
}
BENCHMARK(BM_SearchDefaultGridTier1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command: start-up, table and steels, the search, the best design's JSON.
void BM_SearchCommandWorkedRating(benchmark::State& state) {
    const std::string command = std::string("'") + KESTRAVA_DESIGN_EXE +
                                "' --kva 100 --primary 11000 --secondary 433 --search >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the search command failed");
            return;
        }
    }
}
BENCHMARK(BM_SearchCommandWorkedRating)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kestrava::search

BENCHMARK_MAIN();
