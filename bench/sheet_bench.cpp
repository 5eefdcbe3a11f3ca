#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "sheet/design_sheet_writer.h"
#include "sheet/tests/sample_design_record.h"

namespace kestrava {
namespace {

const SheetTexts kTexts{"Delta-Star", "11 000", "433"};

void BM_FormatDesignSheet(benchmark::State& state) {
    const DesignRecord record = testing_records::SampleDesignRecord("Delta-Star");
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDesignSheet(record, kTexts));
    }
}
BENCHMARK(BM_FormatDesignSheet);

// Formatting plus replacing a sheet file: the whole of one Save.
void BM_WriteDesignSheet(benchmark::State& state) {
    const DesignRecord record = testing_records::SampleDesignRecord("Delta-Star");
    const std::filesystem::path sheet =
        std::filesystem::temp_directory_path() /
        ("kestrava_bench_sheet_" + std::to_string(getpid()) + ".txt");
    for (auto _ : state) {
        if (const auto failure = WriteDesignSheet(sheet, record, kTexts)) {
            state.SkipWithError(failure->c_str());
            break;
        }
    }
    std::filesystem::remove(sheet);
}
BENCHMARK(BM_WriteDesignSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrava

BENCHMARK_MAIN();
