#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cad/ui/drawing_progress_window.h"
#include "cad/ui/drawing_window.h"
#include "cad/ui/single_instance_guard.h"
#include "cad/ui/tests/recording_launcher.h"
#include "ui/testing/scripted_message_boxes.h"

using kestrava::cad::InteractiveCommand;
using kestrava::cad::ModelDocument;
using kestrava::cad::PartKind;
using kestrava::cad::ui::DrawingWindow;
using kestrava::cad::ui::testing::EdgeCaseDesign;
using kestrava::cad::ui::testing::RecordingLauncher;
using kestrava::ui::MessageAnswer;
using kestrava::ui::MessageButtons;
using kestrava::ui::MessageIcon;
using kestrava::ui::testing::ScriptedMessageBoxes;

Q_DECLARE_METATYPE(kestrava::cad::InteractiveCommand)

namespace {

const QString kAppTitle = QStringLiteral("Kestrava");
const QString kErrorTitle = QStringLiteral("Kestrava: An error occured...");
const QStringList kViewAndToolButtons{"Command1", "Command2",     "Command3",
                                      "Command4", "Command5",     "Command6",
                                      "Command7", "cmdDimension", "cmdZoom"};

// The enabled state of the window's buttons, by row of the button-state table.
struct ButtonStates {
    bool draw;
    bool viewsAndTools;
    bool quit;
    bool exit;
};

// The parts each step view shows.
const std::vector<std::set<PartKind>> kShownByView{
    {PartKind::LimbWidePlate, PartKind::LimbCrossPlate},
    {PartKind::LimbWidePlate, PartKind::LimbCrossPlate, PartKind::UpperYoke, PartKind::LowerYoke},
    {PartKind::LimbWidePlate, PartKind::LimbCrossPlate, PartKind::UpperYoke, PartKind::LowerYoke,
     PartKind::LvWinding, PartKind::CoreInsulation, PartKind::LvHvInsulation},
    {PartKind::LimbWidePlate, PartKind::LimbCrossPlate, PartKind::UpperYoke, PartKind::LowerYoke,
     PartKind::LvWinding, PartKind::CoreInsulation, PartKind::LvHvInsulation, PartKind::HvWinding},
    {PartKind::LimbWidePlate, PartKind::LimbCrossPlate, PartKind::UpperYoke, PartKind::LowerYoke,
     PartKind::LvWinding, PartKind::CoreInsulation, PartKind::LvHvInsulation, PartKind::HvWinding,
     PartKind::Tank},
};

}  // namespace

class DrawingWindowTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        QTemporaryDir installFolder;
        ScriptedMessageBoxes boxes;
        RecordingLauncher launcher;
        std::unique_ptr<DrawingWindow> window;

        Fixture() {
            QDir(installFolder.path()).mkpath(QStringLiteral("AutoCAD Files"));
            window =
                std::make_unique<DrawingWindow>(boxes, launcher, installFolder.path(), kAppTitle);
        }
        QPushButton* Button(const QString& name) const {
            auto* button = window->findChild<QPushButton*>(name);
            if (button == nullptr) qFatal("no button %s", qPrintable(name));
            return button;
        }
        void Press(const QString& name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
        void OpenAndDraw() {
            window->OpenForDesign(EdgeCaseDesign());
            Press(QStringLiteral("cmdDrawCAD"));
            boxes.Clear();
        }
    };

    static void CheckButtons(const Fixture& f, ButtonStates expected) {
        QCOMPARE(f.Button("cmdDrawCAD")->isEnabled(), expected.draw);
        for (const QString& name : kViewAndToolButtons) {
            QVERIFY2(f.Button(name)->isEnabled() == expected.viewsAndTools, qPrintable(name));
        }
        QCOMPARE(f.Button("cmdQuitAC")->isEnabled(), expected.quit);
        QCOMPARE(f.Button("cmdExit")->isEnabled(), expected.exit);
        QVERIFY(f.Button("cmdBack")->isEnabled());
    }

    static void CheckOneBox(const ScriptedMessageBoxes& boxes, const QString& text,
                            MessageIcon icon, const QString& title) {
        QCOMPARE(boxes.ShownBoxes().size(), std::size_t{1});
        QCOMPARE(boxes.ShownBoxes()[0].text, text);
        QCOMPARE(boxes.ShownBoxes()[0].icon, icon);
        QCOMPARE(boxes.ShownBoxes()[0].title, title);
    }

    static void CheckStepView(const ModelDocument& document, int view) {
        QCOMPARE(document.SolidCount(), std::size_t{21});
        const std::set<PartKind>& shown = kShownByView[static_cast<std::size_t>(view - 1)];
        for (const auto& solid : document.Solids()) {
            QVERIFY(solid.part.has_value());
            QVERIFY2(solid.visible == shown.contains(solid.part->kind),
                     qPrintable(QStringLiteral("view %1, %2").arg(view).arg(solid.name.c_str())));
        }
    }

    // The instance lock lives in the temporary folder; one of this run's own keeps runs of these
    // tests in parallel from taking each other for another running instance.
    QTemporaryDir tempFolder_;

  private slots:
    void initTestCase() {
        QVERIFY(tempFolder_.isValid());
        qputenv("TMPDIR", QFile::encodeName(tempFolder_.path()));
        QVERIFY(kestrava::cad::ui::InstanceLockPath().startsWith(tempFolder_.path()));
    }

    // Runs first, before this process holds the instance lock itself.
    void loadReportsAnotherRunningInstanceAndGoesOn() {
        QLockFile otherInstance(kestrava::cad::ui::InstanceLockPath());
        QVERIFY(otherInstance.tryLock(0));
        Fixture f;
        CheckOneBox(f.boxes, QCoreApplication::applicationName() + " is already running.",
                    MessageIcon::Critical, kAppTitle);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kestrava: View The Transformer"));
        CheckButtons(f, {true, false, false, true});
    }

    void loadWithoutOtherInstanceIsQuiet() {
        Fixture f;
        QVERIFY(f.boxes.ShownBoxes().empty());
        CheckButtons(f, {true, false, false, true});
    }

    void captionsAreTheProgramsTexts() {
        Fixture f;
        QCOMPARE(f.window->objectName(), QStringLiteral("frmDraw"));
        QCOMPARE(f.Button("cmdDrawCAD")->text(), QStringLiteral("   Draw"));
        QCOMPARE(f.Button("Command6")->text(), QStringLiteral("3D Random Rotation"));
        QCOMPARE(f.Button("cmdQuitAC")->text(), QStringLiteral("&Quit AutoCad"));
        QCOMPARE(f.Button("cmdBack")->toolTip(), QStringLiteral("Click to go back"));
        QCOMPARE(f.Button("cmdExit")->toolTip(), QStringLiteral("Click to exit"));
    }

    void drawBuildsTheModelAndEnablesTheViews() {
        Fixture f;
        f.window->OpenForDesign(EdgeCaseDesign());
        f.Press("cmdDrawCAD");
        QCOMPARE(f.launcher.workspaces.size(), std::size_t{1});
        QCOMPARE(f.launcher.LatestDocument().SolidCount(), std::size_t{21});
        QCOMPARE(f.boxes.ShownBoxes().size(), std::size_t{1});
        QVERIFY(f.boxes.ShownBoxes()[0].text.startsWith("Now you may follow the designing"));
        QCOMPARE(f.boxes.ShownBoxes()[0].icon, MessageIcon::Information);
        QCOMPARE(f.boxes.ShownBoxes()[0].title, kAppTitle);
        CheckButtons(f, {false, true, true, true});
    }

    void progressWindowFollowsTheBuild() {
        ScriptedMessageBoxes boxes;
        RecordingLauncher launcher;
        QTemporaryDir installFolder;
        kestrava::cad::ui::DrawingProgressWindow progress(boxes, kAppTitle);
        QCOMPARE(progress.objectName(), QStringLiteral("frmDrawingPB"));
        kestrava::cad::BuildTransformerModel(EdgeCaseDesign(), launcher, progress,
                                             installFolder.path().toStdString());
        const auto* bar = progress.findChild<QProgressBar*>(QStringLiteral("PBDraw"));
        const auto* message = progress.findChild<QLabel*>(QStringLiteral("lblMsg"));
        QVERIFY(bar != nullptr && message != nullptr);
        QCOMPARE(bar->maximum(), 200);
        QCOMPARE(progress.ProgressValue(), 146);
        QCOMPARE(message->text(), QStringLiteral("Saving the AutoCAD file..."));
        QVERIFY(!progress.isVisible());
        CheckOneBox(boxes,
                    QStringLiteral("Now you may follow the designing of the transformer step by "
                                   "step .\r\n\r\nCAUTION: Don't close or minimize the AutoCAD "
                                   "window, otherwise this application will not run properly."),
                    MessageIcon::Information, kAppTitle);
    }

    void progressWindowOpensClearOfTheButtons() {
        Fixture f;
        f.window->OpenForDesign(EdgeCaseDesign());
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        // In the screen's far corner, where nothing placed by default would be near it.
        const QRect area = f.window->screen()->availableGeometry();
        QRect frame = f.window->frameGeometry();
        frame.moveBottomRight(area.bottomRight());
        f.window->move(frame.topLeft());
        QRect progress;
        f.launcher.onCreate = [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->objectName() == "frmDrawingPB" && window->isVisible())
                    progress = window->frameGeometry();
            }
        };
        f.Press("cmdDrawCAD");
        QVERIFY(progress.isValid());
        QVERIFY(area.contains(progress));
        // Over or beside the drawing window, not somewhere else on the screen.
        QVERIFY(progress.adjusted(-1, -1, 1, 1).intersects(f.window->frameGeometry()));
        for (const QPushButton* button : f.window->findChildren<QPushButton*>()) {
            const QRect place(button->mapToGlobal(QPoint()), button->size());
            QVERIFY2(!progress.intersects(place), qPrintable(button->objectName()));
        }
    }

    void stepViewsShowTheirGroupsWhateverTheOrder_data() {
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("ascending") << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("descending") << QList<int>{5, 4, 3, 2, 1};
        QTest::newRow("mixed") << QList<int>{3, 5, 1, 4, 2, 3, 5};
    }
    void stepViewsShowTheirGroupsWhateverTheOrder() {
        QFETCH(QList<int>, order);
        Fixture f;
        f.OpenAndDraw();
        const auto& host = f.launcher.LatestHost();
        for (int view : order) {
            const int zooms = host.ZoomCount();
            const int raises = host.ForegroundCount();
            f.Press(QStringLiteral("Command%1").arg(view));
            CheckStepView(f.launcher.LatestDocument(), view);
            QCOMPARE(host.ZoomCount(), zooms + 1);
            QCOMPARE(host.ForegroundCount(), raises + 1);
        }
        QVERIFY(f.boxes.ShownBoxes().empty());
    }

    void toolsHandTheirCommandToTheWorkspace_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<InteractiveCommand>("command");
        QTest::newRow("dimension") << "cmdDimension" << InteractiveCommand::Dimension;
        QTest::newRow("random rotation") << "Command6" << InteractiveCommand::ContinuousOrbit;
        QTest::newRow("rotation") << "Command7" << InteractiveCommand::Orbit;
    }
    void toolsHandTheirCommandToTheWorkspace() {
        QFETCH(QString, button);
        QFETCH(InteractiveCommand, command);
        Fixture f;
        f.OpenAndDraw();
        const int raises = f.launcher.LatestHost().ForegroundCount();
        f.Press(button);
        QCOMPARE(f.launcher.LatestDocument().View().lastInteractiveCommand, command);
        QCOMPARE(f.launcher.LatestHost().ForegroundCount(), raises + 1);
        QVERIFY(f.boxes.ShownBoxes().empty());
    }

    void zoomFitsAndRaises() {
        Fixture f;
        f.OpenAndDraw();
        const auto& host = f.launcher.LatestHost();
        const int zooms = host.ZoomCount();
        const int raises = host.ForegroundCount();
        f.Press("cmdZoom");
        QCOMPARE(host.ZoomCount(), zooms + 1);
        QCOMPARE(host.ForegroundCount(), raises + 1);
        QVERIFY(f.boxes.ShownBoxes().empty());
    }

    void lostWorkspaceIsFatalForViewsAndTools_data() {
        QTest::addColumn<QString>("button");
        for (const char* name : {"Command1", "Command5", "cmdDimension", "Command6", "Command7"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void lostWorkspaceIsFatalForViewsAndTools() {
        QFETCH(QString, button);
        Fixture f;
        f.OpenAndDraw();
        f.launcher.LatestHost().Close();
        f.Press(button);
        CheckOneBox(
            f.boxes,
            QStringLiteral("Fatal Error : ") +
                QString::fromUtf8(kestrava::cad::kInstanceGoneText.data(),
                                  static_cast<qsizetype>(kestrava::cad::kInstanceGoneText.size())),
            MessageIcon::Critical, kAppTitle);
        CheckButtons(f, {false, false, false, true});
    }

    void lostWorkspaceZoomReportsWithoutReset() {
        Fixture f;
        f.OpenAndDraw();
        f.launcher.LatestHost().Close();
        f.Press("cmdZoom");
        CheckOneBox(f.boxes, QString::fromUtf8(kestrava::cad::kInstanceGoneText.data()),
                    MessageIcon::Critical, kErrorTitle);
        CheckButtons(f, {false, true, true, true});
    }

    void quitEndsTheWorkspace() {
        Fixture f;
        f.OpenAndDraw();
        f.Press("cmdQuitAC");
        QVERIFY(!f.launcher.LatestHost().IsOpen());
        CheckOneBox(f.boxes, QStringLiteral("Successfully ended AutoCAD application."),
                    MessageIcon::Information, kAppTitle);
        CheckButtons(f, {false, false, false, true});
    }

    void quitOfLostWorkspaceResetsWithoutMessage() {
        Fixture f;
        f.OpenAndDraw();
        f.launcher.LatestHost().Close();
        f.Press("cmdQuitAC");
        QVERIFY(f.boxes.ShownBoxes().empty());
        CheckButtons(f, {false, false, false, true});
    }

    void withoutWorkspaceEveryRequestIsReportedAndButtonsStay() {
        Fixture f;
        f.launcher.refuse = true;
        f.OpenAndDraw();
        CheckButtons(f, {false, true, true, true});
        for (const QString& name : kViewAndToolButtons) {
            f.boxes.Clear();
            f.Press(name);
            QCOMPARE(f.boxes.ShownBoxes().size(), std::size_t{1});
            QCOMPARE(f.boxes.ShownBoxes()[0].icon, MessageIcon::Critical);
            QCOMPARE(f.boxes.ShownBoxes()[0].title, kErrorTitle);
        }
        f.boxes.Clear();
        f.Press("cmdQuitAC");  // fails with another error: ignored
        QVERIFY(f.boxes.ShownBoxes().empty());
        CheckButtons(f, {false, true, true, true});
    }

    void reopeningEnablesDrawAndANewBuildStartsANewWorkspace() {
        Fixture f;
        f.OpenAndDraw();
        f.Press("cmdQuitAC");
        f.Press("cmdBack");
        QVERIFY(!f.window->isVisible());
        f.window->OpenForDesign(EdgeCaseDesign());
        CheckButtons(f, {true, false, false, true});
        f.Press("cmdDrawCAD");
        QCOMPARE(f.launcher.workspaces.size(), std::size_t{2});
        QVERIFY(f.launcher.workspaces[0] != f.launcher.workspaces[1]);
        f.boxes.Clear();
        f.Press("Command2");
        CheckStepView(f.launcher.LatestDocument(), 2);
        QVERIFY(f.boxes.ShownBoxes().empty());
    }

    void backHidesAndAsksForTheSheetWindow() {
        Fixture f;
        f.OpenAndDraw();
        QSignalSpy back(f.window.get(), &DrawingWindow::backRequested);
        f.Press("cmdBack");
        QCOMPARE(back.count(), 1);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.launcher.LatestHost().IsOpen());
        CheckButtons(f, {false, true, true, true});
    }
};

QTEST_MAIN(DrawingWindowTest)
#include "drawing_window_test.moc"
