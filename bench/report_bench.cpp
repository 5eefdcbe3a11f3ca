// Time to make the design report with its drawing: the hidden-line views of the model, the SVG
// and the PDF, for the 100 kVA worked design against EU 548/2014 Tier 2.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "assess/regime.h"
#include "cad/general_arrangement.h"
#include "engine/connection_type.h"
#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"
#include "report/drawing_svg.h"
#include "report/offscreen_gui.h"
#include "report/report_files.h"
#include "report/report_pdf.h"

namespace {

using namespace kestrava;

[[noreturn]] void Fail(const std::string& why) {
    std::cerr << why << '\n';
    std::exit(EXIT_FAILURE);
}

DesignRecord InstalledTableDesign() {
    LoadedConductorTable loaded = LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE);
    if (!loaded.has_value()) Fail(loaded.error());
    InMemoryConductorTable table(std::move(loaded).value());
    const DesignResult result =
        DesignTransformer({100.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5}, table);
    if (!result.has_value()) Fail(result.error().message);
    return result.value();
}

report::ReportDesign WorkedReport(const assess::Regime& regime) {
    const DesignRecord record = InstalledTableDesign();
    return report::MakeReportDesign(
        record, {.primary = "11000", .secondary = "433", .connection = "Delta-Star"}, {}, &regime,
        FixedDesignRules(record.kvaRating), report::RulesOrigin::Fixed);
}

assess::Regime Tier2() {
    auto regime = assess::FindRegime("eu-2014-548-tier2", KESTRAVA_STANDARDS_DIR);
    if (!regime.has_value()) Fail(regime.error());
    return std::move(regime).value();
}

// The three hidden-line views alone.
void BM_DrawingViews(benchmark::State& state) {
    const assess::Regime regime = Tier2();
    const report::ReportDesign design = WorkedReport(regime);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cad::BuildGeneralArrangement(design.record));
    }
}
BENCHMARK(BM_DrawingViews)->Unit(benchmark::kMillisecond);

// What --drawing and --report make together: the views once, then the SVG and the PDF.
void BM_ReportWithDrawing(benchmark::State& state) {
    const assess::Regime regime = Tier2();
    const report::ReportDesign design = WorkedReport(regime);
    const report::DrawingTitle title = report::DrawingTitleOf(design);
    for (auto _ : state) {
        const cad::GeneralArrangement drawing = cad::BuildGeneralArrangement(design.record);
        benchmark::DoNotOptimize(report::DrawingSvg(drawing, title));
        benchmark::DoNotOptimize(report::ReportPdf(design, drawing, title));
    }
}
BENCHMARK(BM_ReportWithDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const report::OffscreenGui gui;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
