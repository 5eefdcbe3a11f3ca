// Builds the 100 kVA worked design through the drawing window, as a user would, and saves what
// the viewer shows for each step view, for a dimension and for a continuous orbit.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "cad/ui/drawing_progress_window.h"
#include "cad/ui/drawing_window.h"
#include "cad/ui/tools/worked_design.h"
#include "cad/ui/viewer_launcher.h"
#include "ui/testing/scripted_message_boxes.h"

namespace {

using kestrava::cad::ui::DrawingWindow;
using kestrava::cad::ui::ModelViewer;

void Press(const DrawingWindow& window, const QString& button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path)) return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

// Clicks the two top front corners of the upper yoke, which the south-east view shows.
void PickYokeLength(ModelViewer& viewer, const kestrava::DesignRecord& r) {
    const double halfLength = (r.frameWidth - 2.0 * 0.16 * r.circumscribingCircleDiameter) / 2.0;
    const double x = r.adjacentLimbDistance;
    const double y = -r.yokeDepth / 2.0;
    const double z = r.frameHeight;
    for (const double end : {x - halfLength, x + halfLength}) {
        QTest::mouseClick(&viewer, Qt::LeftButton, Qt::NoModifier,
                          viewer.ProjectToWidget(gp_Pnt(end, y, z)));
        QTest::qWait(50);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!output.exists() && !QDir().mkpath(output.path())) return 2;
    const auto record = kestrava::cad::ui::WorkedDesign(KESTRAVA_CONDUCTOR_DATABASE);
    if (!record) {
        std::fprintf(stderr, "the worked design could not be computed\n");
        return 1;
    }

    QTemporaryDir installFolder;
    QDir(installFolder.path()).mkpath(QStringLiteral("AutoCAD Files"));
    kestrava::ui::testing::ScriptedMessageBoxes boxes;
    kestrava::cad::ui::ViewerLauncher launcher;
    DrawingWindow window(boxes, launcher, installFolder.path(), QStringLiteral("Kestrava"));
    window.OpenForDesign(*record);
    (void)QTest::qWaitForWindowExposed(&window);
    bool saved = Save(window.grab().toImage(), output, QStringLiteral("drawing-window.png"));

    {
        kestrava::cad::ui::DrawingProgressWindow progress(boxes, QStringLiteral("Kestrava"));
        progress.ShowProgressWindow();
        progress.SetProgressMaximum(200);
        progress.SetProgressValue(76);
        progress.SetMessage("Drawing H.V. windings...");
        saved = Save(progress.grab().toImage(), output, QStringLiteral("drawing-progress.png")) &&
                saved;
    }
    Press(window, QStringLiteral("cmdDrawCAD"));
    kestrava::cad::ui::WorkspaceWindow* workspace = launcher.LatestWindow();
    if (workspace == nullptr || !QTest::qWaitForWindowExposed(workspace)) return 3;
    ModelViewer& viewer = workspace->Viewer();
    QTest::qWait(300);

    for (int view = 1; view <= 5; ++view) {
        Press(window, QStringLiteral("Command%1").arg(view));
        QTest::qWait(200);
        saved =
            Save(viewer.grabFramebuffer(), output, QStringLiteral("step-view-%1.png").arg(view)) &&
            saved;
    }

    Press(window, QStringLiteral("Command4"));
    QTest::qWait(200);
    Press(window, QStringLiteral("cmdDimension"));
    QTest::qWait(100);
    PickYokeLength(viewer, *record);
    QTest::qWait(200);
    saved =
        Save(viewer.grabFramebuffer(), output, QStringLiteral("step-view-dimension.png")) && saved;

    Press(window, QStringLiteral("Command6"));
    QTest::qWait(1500);
    saved = Save(viewer.grabFramebuffer(), output, QStringLiteral("step-view-orbit.png")) && saved;
    QTest::keyClick(&viewer, Qt::Key_Escape);

    std::printf("dimensions placed: %zu\n", viewer.Dimensions().size());
    return saved ? 0 : 4;
}
