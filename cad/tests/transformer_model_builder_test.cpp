#include "cad/transformer_model_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cad/model_workspace.h"
#include "cad/tests/edge_case_model.h"
#include "cad/tests/recording_cad.h"
#include "cad/tests/shape_bounds.h"

namespace kestrava::cad {
namespace {

using namespace kestrava::cad::testing;
using ::testing::DoubleNear;
using ::testing::ElementsAreArray;
using ::testing::Pointwise;

// The progress window's life during any build, failing or not.
const std::vector<std::string> kFeedbackEvents{
    "show",
    "maximum 200",
    "value 1",
    "value 6",
    "message Connecting to AutoCAD...",
    "value 21",
    "value 26",
    "value 31",
    "message Drawing 1st limb...",
    "value 36",
    "value 41",
    "message Drawing 2nd limb...",
    "value 46",
    "value 51",
    "message Drawing 3rd limb...",
    "value 56",
    "message Drawing upper yoke...",
    "value 61",
    "message Drawing lower yoke...",
    "message Drawing H.V. windings...",
    "value 66",
    "value 71",
    "value 76",
    "message Drawing tank...",
    "value 81",
    "message Drawing L.V. windings...",
    "value 86",
    "value 91",
    "value 96",
    "message Drawing insulations between L.V. winding and core...",
    "value 101",
    "value 106",
    "value 111",
    "message Drawing insulations between L.V. and H.V. winding...",
    "value 116",
    "value 121",
    "value 126",
    "value 131",
    "message Shading transformer...",
    "value 136",
    "value 141",
    "message Saving the AutoCAD file...",
    "value 146",
    "close",
    "closing message",
};

constexpr std::string_view kExpectedClosingText =
    "Now you may follow the designing of the transformer step by step .\r\n\r\nCAUTION: Don't "
    "close or minimize the AutoCAD window, otherwise this application will not run properly.";

// The 21 handles in drawing order.
std::vector<SolidHandle> InDrawingOrder(const ModelSolids& s) {
    std::vector<SolidHandle> all(s.limbPlates.begin(), s.limbPlates.end());
    all.push_back(s.upperYoke);
    all.push_back(s.lowerYoke);
    all.insert(all.end(), s.hvWindings.begin(), s.hvWindings.end());
    all.push_back(s.tankSolid);
    all.insert(all.end(), s.lvWindings.begin(), s.lvWindings.end());
    all.insert(all.end(), s.coreInsulations.begin(), s.coreInsulations.end());
    all.insert(all.end(), s.lvHvInsulations.begin(), s.lvHvInsulations.end());
    return all;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TempFolder {
  public:
    TempFolder() {
        path_ = std::filesystem::path(::testing::TempDir()) /
                ("kestrava-cad-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

TEST(TransformerModelBuilderTest, SendsEachSolidWithTheTablesCentreAndSizes) {
    RecordingLauncher launcher;
    RecordingFeedback feedback;
    BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/install");

    ASSERT_EQ(launcher.apps.size(), 1U);
    const auto& created = launcher.apps[0]->document->created;
    ASSERT_EQ(created.size(), kEdgeCaseSolids.size());
    for (std::size_t i = 0; i < created.size(); ++i) {
        const ExpectedSolid& e = kEdgeCaseSolids[i];
        const RecordedSolid& r = created[i];
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(r.isBox, e.primitive == Primitive::Box);
        EXPECT_DOUBLE_EQ(r.centre.x, e.centre.x);
        EXPECT_DOUBLE_EQ(r.centre.y, e.centre.y);
        EXPECT_DOUBLE_EQ(r.centre.z, e.centre.z);
        EXPECT_DOUBLE_EQ(r.sizeX, e.sizeX);
        if (r.isBox) {
            EXPECT_DOUBLE_EQ(r.sizeY, e.sizeY);
        }
        EXPECT_DOUBLE_EQ(r.height, e.height);
    }
    EXPECT_EQ(launcher.requestedIds, std::vector<std::string>{"AutoCAD.Application"});
}

TEST(TransformerModelBuilderTest, CoreBoxesCopyTheColorOfTheBoxBefore) {
    RecordingLauncher launcher;
    RecordingFeedback feedback;
    BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/install");

    std::vector<std::string> coreColoring;
    std::copy_if(launcher.log.begin(), launcher.log.end(), std::back_inserter(coreColoring),
                 [](const std::string& call) {
                     std::istringstream fields(call);
                     std::string op;
                     int solid = -1;
                     fields >> op >> solid;
                     return (op == "color" || op == "color?") && solid < 8;  // the core boxes
                 });
    EXPECT_THAT(
        coreColoring,
        ElementsAreArray({"color 0 181", "color? 0", "color 1 181", "color? 1", "color 2 181",
                          "color? 2", "color 3 181", "color? 3", "color 4 181", "color? 4",
                          "color 5 181", "color? 5", "color 6 181", "color? 6", "color 7 181"}));
}

TEST(TransformerModelBuilderTest, SetsTheViewShowsMaximisedSavesAndZoomsInThatOrder) {
    RecordingLauncher launcher;
    RecordingFeedback feedback;
    BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/install");

    const auto first = std::find(launcher.log.begin(), launcher.log.end(), "viewport?");
    ASSERT_NE(first, launcher.log.end());
    const std::vector<std::string> tail(first, launcher.log.end());
    EXPECT_THAT(tail, ElementsAreArray({
                          "viewport?",
                          "viewport -1.000000 -1.000000 1.000000",
                          "command vscurrent conceptual ",
                          "command perspective 1 ",
                          "command -view _seiso ",
                          "window state 3",
                          "app visible 1",
                          "save /install/AutoCAD Files/Trans1.step",
                          "save /install/AutoCAD Files/Trans1.glb",
                          "zoom",
                      }));
}

TEST(TransformerModelBuilderTest, ShowsTheMessagesAndProgressValuesInOrder) {
    RecordingLauncher launcher;
    RecordingFeedback feedback;
    BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/install");
    EXPECT_THAT(feedback.events, ElementsAreArray(kFeedbackEvents));
    EXPECT_EQ(feedback.closingMessage, kExpectedClosingText);
}

TEST(TransformerModelBuilderTest, WithoutAWorkspaceTheBuildStillRunsToTheClosingMessage) {
    FailingLauncher launcher;
    RecordingFeedback feedback;
    const TransformerModel model =
        BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/x");
    EXPECT_THAT(feedback.events, ElementsAreArray(kFeedbackEvents));
    EXPECT_EQ(feedback.value, 146);
    EXPECT_FALSE(model.cadConnection.acadApp);
    EXPECT_FALSE(model.cadConnection.acadDoc);
    for (const SolidHandle& solid : InDrawingOrder(model.modelSolids)) EXPECT_FALSE(solid);
}

TEST(TransformerModelBuilderTest, AFailedBoxLeavesAnEmptyHandleAndItsColorIsNeitherReadNorSet) {
    // Make the first Create hand out a document that refuses the first limb's wide plate.
    struct RefusingLauncher : RecordingLauncher {
        CadResult<ApplicationHandle> Create(std::string_view id) override {
            auto app = RecordingLauncher::Create(id);
            apps.back()->document->failingBoxes = {1};
            return app;
        }
    } refusing;
    RecordingFeedback feedback;
    const TransformerModel model =
        BuildTransformerModel(EdgeCaseDesign(), refusing, feedback, "/x");

    EXPECT_FALSE(model.modelSolids.limbPlates[0]);
    const auto& solids = refusing.apps[0]->document->solids;
    ASSERT_EQ(solids.size(), 20U);
    const auto& log = refusing.log;
    // The cross plate was never coloured from the missing plate, and nobody set 181 at all: the
    // rest of the core copies the cross plate's unset colour.
    EXPECT_EQ(std::count(log.begin(), log.end(), "color 0 181"), 0);
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& c) { return c.rfind("color?", 0) == 0; }),
              6);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(solids[i]->color, 256) << i;
    EXPECT_EQ(solids[7]->color, 145);
    EXPECT_THAT(feedback.events, ElementsAreArray(kFeedbackEvents));
}

TEST(TransformerModelBuilderTest, DrawsTheTableIntoAModelDocument) {
    HeadlessLauncher launcher;
    RecordingFeedback feedback;
    const TransformerModel model =
        BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/x");
    auto workspace = std::dynamic_pointer_cast<ModelWorkspace>(model.cadConnection.acadApp);
    ASSERT_TRUE(workspace);
    const ModelDocument& document = workspace->Document();
    ASSERT_EQ(document.SolidCount(), kEdgeCaseSolids.size());
    for (std::size_t i = 0; i < kEdgeCaseSolids.size(); ++i) {
        const ExpectedSolid& e = kEdgeCaseSolids[i];
        const ModelSolid& s = document.Solid(i);
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(s.name, e.name);
        EXPECT_EQ(s.colorIndex, e.color);
        EXPECT_EQ(s.visible, e.visible);
        EXPECT_THAT(ShapeBounds(s.shape), Pointwise(DoubleNear(1e-6), ExpectedBounds(e)));
    }
    const ViewSettings& view = document.View();
    EXPECT_EQ(view.visualStyle, VisualStyle::Conceptual);
    EXPECT_TRUE(view.perspective);
    EXPECT_EQ(
        std::vector<double>({view.viewDirection.x, view.viewDirection.y, view.viewDirection.z}),
        std::vector<double>({1, -1, 1}));
    auto& host = dynamic_cast<HeadlessHost&>(workspace->Host());
    EXPECT_EQ(host.CurrentWindowState(), WindowState::Maximised);
    EXPECT_TRUE(host.Visible());
    EXPECT_EQ(host.ZoomCount(), 1);
}

TEST(TransformerModelBuilderTest, HandlesFollowTheirGroupsAndReachTheDocument) {
    HeadlessLauncher launcher;
    RecordingFeedback feedback;
    const TransformerModel model =
        BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/x");
    const ModelDocument& document =
        std::dynamic_pointer_cast<ModelWorkspace>(model.cadConnection.acadApp)->Document();
    const std::vector<SolidHandle> handles = InDrawingOrder(model.modelSolids);
    for (std::size_t i = 0; i < handles.size(); ++i) {
        ASSERT_TRUE(handles[i]) << i;
        ASSERT_TRUE(handles[i]->SetVisible(i % 2 == 0).has_value());
        EXPECT_EQ(document.Solid(i).visible, i % 2 == 0) << kEdgeCaseSolids[i].name;
    }
}

TEST(TransformerModelBuilderTest, TwoBuildsStartTwoInstancesAndTheSecondHandlesReferToTheSecond) {
    HeadlessLauncher launcher;
    RecordingFeedback feedback;
    const TransformerModel first =
        BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/x");
    const TransformerModel second =
        BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/x");
    ASSERT_NE(first.cadConnection.acadApp, second.cadConnection.acadApp);
    auto& firstDoc =
        std::dynamic_pointer_cast<ModelWorkspace>(first.cadConnection.acadApp)->Document();
    auto& secondDoc =
        std::dynamic_pointer_cast<ModelWorkspace>(second.cadConnection.acadApp)->Document();
    EXPECT_EQ(firstDoc.SolidCount(), 21U);
    EXPECT_EQ(secondDoc.SolidCount(), 21U);
    ASSERT_TRUE(second.modelSolids.tankSolid->SetVisible(true).has_value());
    EXPECT_TRUE(secondDoc.Solid(11).visible);
    EXPECT_FALSE(firstDoc.Solid(11).visible);
}

TEST(TransformerModelBuilderTest, SavesStepAndGlbIntoTheExistingModelFolder) {
    TempFolder install;
    std::filesystem::create_directory(install.Path() / "AutoCAD Files");
    HeadlessLauncher launcher;
    RecordingFeedback feedback;
    BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, install.Path());
    EXPECT_GT(std::filesystem::file_size(install.Path() / "AutoCAD Files" / "Trans1.step"), 1000U);
    EXPECT_GT(std::filesystem::file_size(install.Path() / "AutoCAD Files" / "Trans1.glb"), 1000U);
}

TEST(TransformerModelBuilderTest, AMissingModelFolderIsNotCreatedAndTheBuildStillEnds) {
    TempFolder install;
    HeadlessLauncher launcher;
    RecordingFeedback feedback;
    BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, install.Path());
    EXPECT_FALSE(std::filesystem::exists(install.Path() / "AutoCAD Files"));
    EXPECT_EQ(feedback.events.back(), "closing message");
    EXPECT_EQ(feedback.value, 146);
}

TEST(WriteTransformerModelTest, WritesStepAndGlbBesideIt) {
    TempFolder folder;
    const std::filesystem::path step = folder.Path() / "model.step";
    EXPECT_TRUE(
        WriteTransformerModel(EdgeCaseDesign(), step, folder.Path() / "model.glb").has_value());
    EXPECT_TRUE(std::filesystem::exists(step));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "model.glb"));
}

TEST(WriteTransformerModelTest, ReportsTheFirstFailureAndLeavesTheSavedModelWhole) {
    TempFolder folder;
    const std::filesystem::path step = folder.Path() / "model.step";
    ASSERT_TRUE(
        WriteTransformerModel(EdgeCaseDesign(), step, folder.Path() / "model.glb").has_value());
    const std::string goodStep = ReadFile(step);
    const std::string goodGlb = ReadFile(folder.Path() / "model.glb");

    DesignRecord broken = EdgeCaseDesign();
    broken.tankWidth = 0.0;  // the tank cannot be drawn; every other solid can
    const CadStatus status = WriteTransformerModel(broken, step, folder.Path() / "model.glb");
    ASSERT_FALSE(status.has_value());
    EXPECT_EQ(status.error().number, kInvalidInput);
    EXPECT_EQ(ReadFile(step), goodStep);
    EXPECT_EQ(ReadFile(folder.Path() / "model.glb"), goodGlb);

    const CadStatus unwritable =
        WriteTransformerModel(EdgeCaseDesign(), folder.Path() / "missing" / "model.step", {});
    ASSERT_FALSE(unwritable.has_value());
    EXPECT_EQ(unwritable.error().number, kSaveFailed);
}

}  // namespace
}  // namespace kestrava::cad
