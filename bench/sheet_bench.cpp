#include <benchmark/benchmark.h>

#include "sheet/design_sheet_writer.h"
#include "sheet/tests/sample_design_record.h"

namespace kestrava {
namespace {

const RatingTexts kTexts{.primary = "11 000",
                         .secondary = "433",
                         .connection = std::string(ConnectionName(ConnectionType::DeltaStar))};

void BM_FormatDesignSheet(benchmark::State& state) {
    const DesignRecord record = testing_records::SampleDesignRecord(ConnectionType::DeltaStar);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDesignSheet(record, kTexts));
    }
}
BENCHMARK(BM_FormatDesignSheet);

}  // namespace
}  // namespace kestrava

BENCHMARK_MAIN();
