// Time to build the 21 solids of the 100 kVA worked design and save them as STEP and glTF.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cad/model_workspace.h"
#include "cad/transformer_model_builder.h"
#include "engine/design_transformer.h"

namespace {

using kestrava::DesignRecord;

// The 100 kVA, 11000 V / 433 V, 50 Hz, Delta-Star, 5 % design, with the strips near its
// required 57.97 mm² L.V. area.
DesignRecord WorkedDesign() {
    kestrava::InMemoryConductorTable strips(
        {{55.94, 3.55, 16.00}, {58.14, 5.00, 11.80}, {58.50, 5.30, 11.20}});
    const auto result = kestrava::DesignTransformer(
        {100.0, 11000.0, 433.0, 50, kestrava::ConnectionType::DeltaStar, 5}, strips);
    if (!result.has_value()) {
        std::cerr << "The worked design failed: " << result.error().message << "\n";
        std::exit(EXIT_FAILURE);
    }
    return result.value();
}

std::filesystem::path BenchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "kestrava-cad-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

// The solids, colours and view only: the install folder has no "AutoCAD Files", so both saves
// are skipped before any file work.
void BM_BuildModelWithoutSaving(benchmark::State& state) {
    const DesignRecord design = WorkedDesign();
    const std::filesystem::path install = BenchFolder() / "no-model-folder";
    kestrava::cad::HeadlessLauncher launcher;
    kestrava::cad::SilentBuildFeedback feedback;
    for (auto _ : state) {
        auto model = kestrava::cad::BuildTransformerModel(design, launcher, feedback, install);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_BuildModelWithoutSaving)->Unit(benchmark::kMillisecond);

// The whole command-line model: build, then write Trans1.step and Trans1.glb.
void BM_BuildAndSaveStepAndGltf(benchmark::State& state) {
    const DesignRecord design = WorkedDesign();
    const std::filesystem::path step = BenchFolder() / "Trans1.step";
    for (auto _ : state) {
        const auto written = kestrava::cad::WriteTransformerModel(
            design, step, std::filesystem::path(step).replace_extension(".glb"));
        if (!written.has_value()) {
            state.SkipWithError(written.error().description.c_str());
            break;
        }
    }
    state.counters["step_bytes"] = static_cast<double>(std::filesystem::file_size(step));
}
BENCHMARK(BM_BuildAndSaveStepAndGltf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
