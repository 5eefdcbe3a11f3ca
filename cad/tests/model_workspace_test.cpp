#include "cad/model_workspace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <Standard_DomainError.hxx>

#include "cad/tests/shape_bounds.h"

namespace kestrava::cad {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;
using testing::ShapeBounds;

class EventLog : public ModelDocumentListener {
  public:
    void OnSolidAdded(std::size_t index) override {
        events.push_back("added " + std::to_string(index));
    }
    void OnSolidChanged(std::size_t index) override {
        events.push_back("changed " + std::to_string(index));
    }
    void OnViewChanged() override { events.push_back("view"); }
    void OnInteractiveCommand(InteractiveCommand kind) override {
        events.push_back("interactive " + std::to_string(static_cast<int>(kind)));
    }
    std::vector<std::string> events;
};

struct Workspace {
    std::shared_ptr<HeadlessHost> host = std::make_shared<HeadlessHost>();
    std::shared_ptr<ModelWorkspace> app = std::make_shared<ModelWorkspace>(host);
    DocumentHandle doc = app->ActiveDocument().value();
    ModelDocument& model = app->Document();
};

TEST(ModelWorkspaceTest, BoxIsCentredOnItsOriginWithLengthWidthHeightAlongXYZ) {
    Workspace w;
    ASSERT_TRUE(w.doc->AddBox({10, 20, 30}, 40, 60, 80).has_value());
    ASSERT_EQ(w.model.SolidCount(), 1U);
    EXPECT_THAT(ShapeBounds(w.model.Solid(0).shape),
                Pointwise(DoubleNear(1e-9), std::vector<double>{-10, -10, -10, 30, 50, 70}));
}

TEST(ModelWorkspaceTest, CylinderStandsOnZWithHalfItsHeightAboveAndBelowTheCentre) {
    Workspace w;
    ASSERT_TRUE(w.doc->AddCylinder({100, -50, 10}, 25, 60).has_value());
    EXPECT_THAT(ShapeBounds(w.model.Solid(0).shape),
                Pointwise(DoubleNear(1e-9), std::vector<double>{75, -75, -20, 125, -25, 40}));
}

TEST(ModelWorkspaceTest, SolidsTakeColorVisibilityAndNameAndTellTheListener) {
    Workspace w;
    EventLog log;
    w.model.AddListener(&log);
    const SolidHandle solid = w.doc->AddBox({0, 0, 0}, 1, 1, 1).value();
    EXPECT_EQ(solid->Color().value(), kDefaultColorIndex);
    EXPECT_TRUE(solid->SetColor(181).has_value());
    EXPECT_TRUE(solid->SetVisible(false).has_value());
    EXPECT_TRUE(solid->SetPart({PartKind::LvWinding, 2}).has_value());
    EXPECT_EQ(solid->Color().value(), 181);
    EXPECT_EQ(w.model.Solid(0).colorIndex, 181);
    EXPECT_FALSE(w.model.Solid(0).visible);
    EXPECT_EQ(w.model.Solid(0).name, "L.V. winding 2");
    EXPECT_EQ(w.model.Solid(0).part, (ModelPart{PartKind::LvWinding, 2}));
    EXPECT_THAT(log.events, ElementsAre("added 0", "changed 0", "changed 0", "changed 0"));

    w.model.RemoveListener(&log);
    EXPECT_TRUE(solid->SetColor(7).has_value());
    EXPECT_EQ(log.events.size(), 4U);
}

TEST(ModelWorkspaceTest, RejectsColorsOutsideThePaletteAndKeepsTheOldOne) {
    Workspace w;
    const SolidHandle solid = w.doc->AddBox({0, 0, 0}, 1, 1, 1).value();
    for (int bad : {0, 256, -3}) {
        const CadStatus status = solid->SetColor(bad);
        ASSERT_FALSE(status.has_value()) << bad;
        EXPECT_EQ(status.error().number, kInvalidInput);
    }
    EXPECT_EQ(solid->Color().value(), kDefaultColorIndex);
}

TEST(ModelWorkspaceTest, RejectsDegenerateOrNonFiniteSolidsWithoutAddingThem) {
    Workspace w;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<CadResult<SolidHandle>> results{
        w.doc->AddBox({0, 0, 0}, 0, 1, 1),     w.doc->AddBox({0, 0, 0}, 1, -1, 1),
        w.doc->AddBox({0, 0, 0}, 1, 1, nan),   w.doc->AddBox({inf, 0, 0}, 1, 1, 1),
        w.doc->AddCylinder({0, 0, 0}, 0, 1),   w.doc->AddCylinder({0, 0, 0}, 1, -2),
        w.doc->AddCylinder({0, nan, 0}, 1, 1), w.doc->AddBox({0, 0, 0}, 1e-9, 1, 1),
        w.doc->AddCylinder({0, 0, 0}, 1, 1e-9)};
    for (std::size_t i = 0; i < results.size(); ++i) {
        ASSERT_FALSE(results[i].has_value()) << i;
        EXPECT_EQ(results[i].error().number, kInvalidInput) << i;
    }
    EXPECT_EQ(w.model.SolidCount(), 0U);
}

// A viewer whose kernel call fails while it mirrors a change.
class FailingViewer : public EventLog {
  public:
    void OnSolidChanged(std::size_t) override { throw Standard_DomainError("mesh refused"); }
};

TEST(ModelWorkspaceTest, KernelFailuresBecomeErrorsWithTheKernelsMessage) {
    Workspace w;
    const SolidHandle solid = w.doc->AddBox({0, 0, 0}, 1, 1, 1).value();
    FailingViewer viewer;
    w.model.AddListener(&viewer);
    const CadStatus status = solid->SetVisible(false);
    ASSERT_FALSE(status.has_value());
    EXPECT_EQ(status.error().number, kModelingFailure);
    EXPECT_EQ(status.error().description, "mesh refused");
}

struct CommandCase {
    const char* text;
    std::function<bool(const ViewSettings&)> applied;
};

TEST(ModelWorkspaceTest, AcceptsExactlyTheSixCommandsAndAppliesEach) {
    const std::vector<CommandCase> cases{
        {"vscurrent conceptual ",
         [](const ViewSettings& v) { return v.visualStyle == VisualStyle::Conceptual; }},
        {"perspective 1 ", [](const ViewSettings& v) { return v.perspective; }},
        {"-view _seiso ",
         [](const ViewSettings& v) {
             return v.viewDirection.x == 1 && v.viewDirection.y == -1 && v.viewDirection.z == 1;
         }},
        {"DIMLINEAR ",
         [](const ViewSettings& v) {
             return v.lastInteractiveCommand == InteractiveCommand::Dimension;
         }},
        {"3dCOrbit ",
         [](const ViewSettings& v) {
             return v.lastInteractiveCommand == InteractiveCommand::ContinuousOrbit;
         }},
        {"3dOrbit ",
         [](const ViewSettings& v) {
             return v.lastInteractiveCommand == InteractiveCommand::Orbit;
         }},
    };
    for (const CommandCase& c : cases) {
        Workspace w;
        EXPECT_FALSE(c.applied(w.model.View())) << c.text;
        EXPECT_TRUE(w.doc->SendCommand(c.text).has_value()) << c.text;
        EXPECT_TRUE(c.applied(w.model.View())) << c.text;
    }
}

TEST(ModelWorkspaceTest, UnknownOrMisspelledCommandsFailAndChangeNothing) {
    Workspace w;
    EventLog log;
    w.model.AddListener(&log);
    for (const char* text : {"ERASE ", "vscurrent conceptual", "PERSPECTIVE 1 ", "3dorbit ", ""}) {
        const CadStatus status = w.doc->SendCommand(text);
        ASSERT_FALSE(status.has_value()) << text;
        EXPECT_EQ(status.error().number, kInvalidInput);
        EXPECT_THAT(status.error().description, ::testing::HasSubstr("Unknown command"));
    }
    EXPECT_TRUE(log.events.empty());
}

TEST(ModelWorkspaceTest, InteractiveCommandsReachTheListener) {
    Workspace w;
    EventLog log;
    w.model.AddListener(&log);
    ASSERT_TRUE(w.doc->SendCommand(kOrbitCommand).has_value());
    ASSERT_TRUE(w.doc->SendCommand(kDimensionCommand).has_value());
    ASSERT_TRUE(w.doc->SendCommand(kPerspectiveOnCommand).has_value());
    EXPECT_THAT(log.events, ElementsAre("interactive 3", "interactive 1", "view"));
}

TEST(ModelWorkspaceTest, ViewportWriteBackChangesTheViewDirection) {
    Workspace w;
    Viewport viewport = w.doc->ActiveViewport().value();
    viewport.viewDirection = {-1, -1, 1};
    ASSERT_TRUE(w.doc->SetActiveViewport(viewport).has_value());
    const Point3 d = w.doc->ActiveViewport().value().viewDirection;
    EXPECT_EQ(std::vector<double>({d.x, d.y, d.z}), std::vector<double>({-1, -1, 1}));
    EXPECT_FALSE(w.doc->SetActiveViewport(Viewport{{0, 0, 0}}).has_value());
}

// Every kind of request, to be tried on a vanished instance.
std::vector<std::pair<std::string, std::function<CadStatus()>>> AllRequests(Workspace& w,
                                                                            SolidHandle solid) {
    const auto status = [](auto result) -> CadStatus {
        if constexpr (std::is_same_v<decltype(result), CadStatus>) {
            return result;
        } else {
            return result.has_value() ? CadStatus{} : CadStatus{Fail(result.error())};
        }
    };
    return {
        {"ActiveDocument", [&w, status] { return status(w.app->ActiveDocument()); }},
        {"SetWindowState", [&w] { return w.app->SetWindowState(WindowState::Maximised); }},
        {"SetVisible", [&w] { return w.app->SetVisible(true); }},
        {"ZoomExtents", [&w] { return w.app->ZoomExtents(); }},
        {"BringToForeground", [&w] { return w.app->BringToForeground(); }},
        {"Quit", [&w] { return w.app->Quit(); }},
        {"AddBox",
         [&w, status] {
             return status(w.doc->AddBox({0, 0, 0}, 1, 1, 1));
         }},
        {"AddCylinder",
         [&w, status] {
             return status(w.doc->AddCylinder({0, 0, 0}, 1, 1));
         }},
        {"ActiveViewport", [&w, status] { return status(w.doc->ActiveViewport()); }},
        {"SetActiveViewport", [&w] { return w.doc->SetActiveViewport(Viewport{}); }},
        {"SendCommand", [&w] { return w.doc->SendCommand(kOrbitCommand); }},
        {"SaveAs", [&w] { return w.doc->SaveAs("never-written.step"); }},
        {"Color", [solid, status] { return status(solid->Color()); }},
        {"SetColor", [solid] { return solid->SetColor(1); }},
        {"SetVisible(solid)", [solid] { return solid->SetVisible(false); }},
        {"SetPart", [solid] { return solid->SetPart({}); }},
    };
}

void ExpectAllRequestsFailAsGone(Workspace& w, const SolidHandle& solid) {
    for (const auto& [name, request] : AllRequests(w, solid)) {
        const CadStatus status = request();
        ASSERT_FALSE(status.has_value()) << name;
        EXPECT_EQ(status.error().number, kInstanceGone) << name;
        EXPECT_EQ(status.error().description,
                  "The remote server machine does not exist or is unavailable")
            << name;
    }
    EXPECT_EQ(w.model.SolidCount(), 1U);
    EXPECT_EQ(w.model.Solid(0).colorIndex, kDefaultColorIndex);
}

TEST(ModelWorkspaceTest, EveryRequestFailsWith462OnceTheHostIsClosed) {
    Workspace w;
    const SolidHandle solid = w.doc->AddBox({0, 0, 0}, 1, 1, 1).value();
    w.host->Close();
    ExpectAllRequestsFailAsGone(w, solid);
}

TEST(ModelWorkspaceTest, QuitClosesTheHostAndLaterRequestsFailWith462) {
    Workspace w;
    const SolidHandle solid = w.doc->AddBox({0, 0, 0}, 1, 1, 1).value();
    ASSERT_TRUE(w.app->Quit().has_value());
    EXPECT_FALSE(w.host->IsOpen());
    ExpectAllRequestsFailAsGone(w, solid);
}

TEST(ModelWorkspaceTest, SaveAsRefusesFormatsOtherThanStepAndGlb) {
    Workspace w;
    ASSERT_TRUE(w.doc->AddBox({0, 0, 0}, 1, 1, 1).has_value());
    const CadStatus status = w.doc->SaveAs(::testing::TempDir() + "/model.dwg");
    ASSERT_FALSE(status.has_value());
    EXPECT_EQ(status.error().number, kInvalidInput);
}

TEST(HeadlessLauncherTest, RefusesOtherProgrammaticIdentifiers) {
    HeadlessLauncher launcher;
    for (const char* id : {"", "Other.Application", "AutoCAD.Application.1x"}) {
        const auto result = launcher.Create(id);
        ASSERT_FALSE(result.has_value()) << id;
        EXPECT_EQ(result.error().number, kUnknownProgrammaticId);
    }
}

}  // namespace
}  // namespace kestrava::cad
