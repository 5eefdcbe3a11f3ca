// Needs a display with OpenGL (ctest runs it under Xvfb).
#include <AIS_InteractiveContext.hxx>
#include <Prs3d_Drawer.hxx>
#include <Prs3d_ShadingAspect.hxx>

#include <dlfcn.h>
#include <link.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string_view>

#include "cad/aci_palette.h"
#include "cad/model_workspace.h"
#include "cad/ui/drawing_progress_window.h"
#include "cad/ui/drawing_window.h"
#include "cad/ui/tests/recording_launcher.h"
#include "cad/ui/viewer_launcher.h"
#include "ui/testing/scripted_message_boxes.h"

using kestrava::cad::InteractiveCommand;
using kestrava::cad::kInstanceGone;
using kestrava::cad::TransformerModel;
using kestrava::cad::ui::ModelViewer;
using kestrava::cad::ui::ViewerLauncher;
using kestrava::cad::ui::WorkspaceWindow;

namespace {

// The upper yoke of the sample design runs from x = -53 to x = 753 (806 long); its top front
// corners are at y = -85, z = 740, which the south-east view shows.
const gp_Pnt kYokeLeftCorner(-53.0, -85.0, 740.0);
const gp_Pnt kYokeRightCorner(753.0, -85.0, 740.0);

// Keeps the loaded GL drivers mapped until the process ends. They are unloaded at exit before the
// leak check runs, which then cannot name (and so cannot suppress) the drivers' own allocations.
void PinGlDrivers() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            const std::string_view path = info->dlpi_name;
            if (path.find("_dri.so") != std::string_view::npos) {
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}

gp_Dir CameraDirection(const ModelViewer& viewer) {
    return viewer.View()->Camera()->Direction();
}

}  // namespace

class ModelViewerTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        QTemporaryDir installFolder;
        kestrava::ui::testing::ScriptedMessageBoxes boxes;
        ViewerLauncher launcher;
        TransformerModel model;
        WorkspaceWindow* window = nullptr;

        Fixture() { Build(); }
        // Each build starts a new workspace window.
        void Build() {
            kestrava::cad::ui::DrawingProgressWindow progress(boxes, QStringLiteral("Kestrava"));
            // No "AutoCAD Files" folder there: the build skips the save, which is not tested here.
            model = kestrava::cad::BuildTransformerModel(
                kestrava::cad::ui::testing::EdgeCaseDesign(), launcher, progress,
                installFolder.path().toStdString());
            window = launcher.LatestWindow();
            if (window == nullptr || !QTest::qWaitForWindowExposed(window)) qFatal("no window");
            QTest::qWait(100);
        }
        ModelViewer& Viewer() const { return window->Viewer(); }
        void Send(std::string_view command) const {
            if (!model.cadConnection.acadDoc->SendCommand(command).has_value())
                qFatal("command refused");
            QTest::qWait(50);
        }
        void Click(const gp_Pnt& point) const {
            QTest::mouseClick(&Viewer(), Qt::LeftButton, Qt::NoModifier,
                              Viewer().ProjectToWidget(point));
            QTest::qWait(50);
        }
        void LeftDrag(QPoint from, QPoint to) const {
            QTest::mousePress(&Viewer(), Qt::LeftButton, Qt::NoModifier, from);
            for (int step = 1; step <= 10; ++step) {
                QMouseEvent move(QEvent::MouseMove, from + (to - from) * step / 10,
                                 Viewer().mapToGlobal(from + (to - from) * step / 10), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&Viewer(), &move);
                QTest::qWait(20);
            }
            QTest::mouseRelease(&Viewer(), Qt::LeftButton, Qt::NoModifier, to);
            QTest::qWait(50);
        }
    };

  private slots:
    void cleanupTestCase() { PinGlDrivers(); }

    void mirrorsTheBuiltModel() {
        Fixture f;
        QVERIFY(!f.Viewer().GraphicsFailed());
        const auto& document =
            std::dynamic_pointer_cast<kestrava::cad::ModelWorkspace>(f.model.cadConnection.acadApp)
                ->Document();
        QCOMPARE(document.SolidCount(), std::size_t{21});
        for (std::size_t index = 0; index < document.SolidCount(); ++index) {
            const auto& solid = document.Solid(index);
            QVERIFY2(f.Viewer().IsSolidDisplayed(index) == solid.visible, solid.name.c_str());
            const auto rgb = kestrava::cad::AciToRgb(solid.colorIndex);
            QVERIFY(rgb.has_value());
            Quantity_Color shown;
            f.Viewer().SolidPresentation(index)->Color(shown);
            const Quantity_Color expected(rgb->red / 255.0, rgb->green / 255.0, rgb->blue / 255.0,
                                          Quantity_TOC_sRGB);
            QVERIFY2(shown.IsEqual(expected) || shown.Distance(expected) < 1e-3,
                     solid.name.c_str());
        }
        QVERIFY(!f.Viewer().IsSolidDisplayed(11));  // the tank starts hidden

        QVERIFY(f.model.modelSolids.tankSolid->SetVisible(true).has_value());
        QVERIFY(f.Viewer().IsSolidDisplayed(11));
        QVERIFY(f.model.modelSolids.hvWindings[1]->SetVisible(false).has_value());
        QVERIFY(!f.Viewer().IsSolidDisplayed(9));
    }

    void showsTheSouthEastPerspectiveView() {
        Fixture f;
        const auto& camera = f.Viewer().View()->Camera();
        QCOMPARE(camera->ProjectionType(), Graphic3d_Camera::Projection_Perspective);
        const gp_Dir southEastIso(-1.0, 1.0, -1.0);  // from the eye towards the model
        QVERIFY(CameraDirection(f.Viewer()).IsEqual(southEastIso, 1e-6));
    }

    void corePiecesSharingPlanesGetDistinctDepthOffsets() {
        Fixture f;
        // Pieces whose faces share planes must not share a depth offset.
        const auto units = [&](std::size_t index) {
            Standard_Integer mode = 0;
            Standard_ShortReal factor = 0;
            Standard_ShortReal unit = 0;
            f.Viewer()
                .SolidPresentation(index)
                ->Attributes()
                ->ShadingAspect()
                ->Aspect()
                ->PolygonOffsets(mode, factor, unit);
            return unit;
        };
        QVERIFY(units(0) != units(1));
        QVERIFY(units(0) != units(6));
        QVERIFY(units(1) != units(7));
    }

    void dimensionMeasuresBetweenTwoPickedVertices() {
        Fixture f;
        f.Send(kestrava::cad::kDimensionCommand);
        QCOMPARE(f.Viewer().ActiveCommand(), InteractiveCommand::Dimension);
        QSignalSpy placed(&f.Viewer(), &ModelViewer::dimensionPlaced);
        f.Click(kYokeLeftCorner);
        QCOMPARE(f.Viewer().PickedVertexCount(), std::size_t{1});
        f.Click(kYokeRightCorner);
        QCOMPARE(placed.count(), 1);
        QCOMPARE(f.Viewer().Dimensions().size(), std::size_t{1});
        QVERIFY(std::abs(f.Viewer().Dimensions().front()->GetValue() - 806.0) < 1e-6);
        QCOMPARE(f.Viewer().ActiveCommand(), InteractiveCommand::None);

        f.Click(kYokeLeftCorner);  // the command has ended: clicks pick nothing now
        QCOMPARE(f.Viewer().PickedVertexCount(), std::size_t{0});
    }

    void escapeAbandonsAHalfPickedDimension() {
        Fixture f;
        f.Send(kestrava::cad::kDimensionCommand);
        f.Click(kYokeLeftCorner);
        QTest::keyClick(&f.Viewer(), Qt::Key_Escape);
        QCOMPARE(f.Viewer().ActiveCommand(), InteractiveCommand::None);
        f.Click(kYokeRightCorner);
        QVERIFY(f.Viewer().Dimensions().empty());
    }

    void continuousOrbitTurnsUntilClicked() {
        Fixture f;
        const gp_Dir before = CameraDirection(f.Viewer());
        f.Send(kestrava::cad::kContinuousOrbitCommand);
        QTest::qWait(300);
        const gp_Dir turning = CameraDirection(f.Viewer());
        QVERIFY(!turning.IsEqual(before, 1e-3));
        QVERIFY(std::abs(turning.Z() - before.Z()) < 1e-9);  // it turns about the vertical
        QTest::mouseClick(&f.Viewer(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(f.Viewer().ActiveCommand(), InteractiveCommand::None);
        const gp_Dir stopped = CameraDirection(f.Viewer());
        QTest::qWait(200);
        QVERIFY(CameraDirection(f.Viewer()).IsEqual(stopped, 1e-12));
    }

    void leftDragPansUntilOrbitModeThenOrbits() {
        Fixture f;
        const QPoint centre = f.Viewer().rect().center();
        const gp_Dir before = CameraDirection(f.Viewer());
        f.LeftDrag(centre, centre + QPoint(120, 40));
        QVERIFY(CameraDirection(f.Viewer()).IsEqual(before, 1e-9));

        f.Send(kestrava::cad::kOrbitCommand);
        f.LeftDrag(centre, centre + QPoint(120, 40));
        QVERIFY(!CameraDirection(f.Viewer()).IsEqual(before, 1e-3));
        QTest::keyClick(&f.Viewer(), Qt::Key_Escape);
        QCOMPARE(f.Viewer().ActiveCommand(), InteractiveCommand::None);
    }

    void closedWindowMakesEveryRequestFailAsGone() {
        Fixture f;
        QVERIFY(f.model.cadConnection.acadApp->ZoomExtents().has_value());
        f.window->close();
        QVERIFY(f.launcher.LatestWindow() == nullptr);
        const auto zoomed = f.model.cadConnection.acadApp->ZoomExtents();
        QVERIFY(!zoomed.has_value());
        QCOMPARE(zoomed.error().number, kInstanceGone);
        const auto hidden = f.model.modelSolids.limbPlates[0]->SetVisible(false);
        QVERIFY(!hidden.has_value());
        QCOMPARE(hidden.error().number, kInstanceGone);
    }

    void quitClosesTheWindowAndEarlierBuildsStayOpen() {
        Fixture f;
        const QPointer<WorkspaceWindow> first = f.window;
        f.Build();
        QVERIFY(f.window != first.data());
        QVERIFY(f.model.cadConnection.acadApp->Quit().has_value());
        QTest::qWait(50);
        QVERIFY(f.launcher.LatestWindow() == nullptr);
        QVERIFY(first && first->isVisible());
    }

    void maximisedStateReachesTheWindow() {
        Fixture f;
        QVERIFY(f.window->windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(f.model.cadConnection.acadApp->SetWindowState(kestrava::cad::WindowState::Normal)
                    .has_value());
        QVERIFY(!f.window->windowState().testFlag(Qt::WindowMaximized));
    }

    void closingTheWorkspaceWindowLeavesTheDrawingWindowOnlyBackAndExit() {
        QTemporaryDir installFolder;
        kestrava::ui::testing::ScriptedMessageBoxes boxes;
        ViewerLauncher launcher;
        kestrava::cad::ui::DrawingWindow window(boxes, launcher, installFolder.path(),
                                                QStringLiteral("Kestrava"));
        window.OpenForDesign(kestrava::cad::ui::testing::EdgeCaseDesign());
        const auto button = [&](const char* name) {
            return window.findChild<QPushButton*>(QString::fromLatin1(name));
        };
        QTest::mouseClick(button("cmdDrawCAD"), Qt::LeftButton);
        QVERIFY(launcher.LatestWindow() != nullptr);
        launcher.LatestWindow()->close();
        boxes.Clear();
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QCOMPARE(boxes.ShownBoxes().size(), std::size_t{1});
        QVERIFY(boxes.ShownBoxes()[0].text.startsWith(QStringLiteral("Fatal Error : ")));
        for (const char* name :
             {"Command1", "Command5", "Command7", "cmdZoom", "cmdQuitAC", "cmdDrawCAD"}) {
            QVERIFY2(!button(name)->isEnabled(), name);
        }
        QVERIFY(button("cmdBack")->isEnabled());
        QVERIFY(button("cmdExit")->isEnabled());
    }
};

QTEST_MAIN(ModelViewerTest)
#include "model_viewer_test.moc"
