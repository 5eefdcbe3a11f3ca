// Time from pressing Draw to the first shaded frame of the new workspace window, for the 100 kVA
// worked design. Run under a display; with Xvfb the frames are rendered in software.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <optional>

#include "cad/ui/drawing_window.h"
#include "cad/ui/tools/worked_design.h"
#include "cad/ui/viewer_launcher.h"
#include "ui/testing/scripted_message_boxes.h"

namespace {

std::optional<kestrava::DesignRecord> design;

void BM_DrawToFirstShadedFrame(benchmark::State& state) {
    QTemporaryDir installFolder;
    QDir(installFolder.path()).mkpath(QStringLiteral("AutoCAD Files"));
    kestrava::ui::testing::ScriptedMessageBoxes boxes;
    kestrava::cad::ui::ViewerLauncher launcher;
    kestrava::cad::ui::DrawingWindow window(boxes, launcher, installFolder.path(),
                                            QStringLiteral("Kestrava"));
    auto* draw = window.findChild<QPushButton*>(QStringLiteral("cmdDrawCAD"));
    for (auto _ : state) {
        state.PauseTiming();
        window.OpenForDesign(*design);
        QCoreApplication::processEvents();
        state.ResumeTiming();

        draw->click();
        kestrava::cad::ui::WorkspaceWindow* workspace = launcher.LatestWindow();
        QSignalSpy frame(&workspace->Viewer(), &QOpenGLWidget::frameSwapped);
        if (!frame.wait(10000)) state.SkipWithError("no frame was drawn");

        state.PauseTiming();
        workspace->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DrawToFirstShadedFrame)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    design = kestrava::cad::ui::WorkedDesign(KESTRAVA_CONDUCTOR_DATABASE);
    if (!design) {
        std::fprintf(stderr, "the worked design could not be computed\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
