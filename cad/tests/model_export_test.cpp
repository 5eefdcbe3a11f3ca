#include "cad/model_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <nlohmann/json.hpp>

#include <IFSelect_ReturnStatus.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopAbs_ShapeEnum.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

#include "cad/aci_palette.h"
#include "cad/model_workspace.h"
#include "cad/tests/edge_case_model.h"
#include "cad/tests/recording_cad.h"
#include "cad/tests/shape_bounds.h"
#include "testing/fresh_test_folder.h"

namespace kestrava::cad {
namespace {

using namespace kestrava::cad::testing;
using ::testing::DoubleNear;
using ::testing::Pointwise;

// A solid as a STEP file gives it back.
struct ReadSolid {
    TopoDS_Shape shape;
    std::optional<Quantity_Color> color;
    bool visible = true;
};

std::map<std::string, ReadSolid> ReadStep(const std::filesystem::path& path) {
    opencascade::handle<TDocStd_Document> doc;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
    STEPCAFControl_Reader reader;
    reader.SetColorMode(Standard_True);
    reader.SetNameMode(Standard_True);
    std::map<std::string, ReadSolid> solids;
    if (reader.ReadFile(path.string().c_str()) != IFSelect_RetDone || !reader.Transfer(doc)) {
        return solids;
    }
    const opencascade::handle<XCAFDoc_ShapeTool> shapes =
        XCAFDoc_DocumentTool::ShapeTool(doc->Main());
    const opencascade::handle<XCAFDoc_ColorTool> colors =
        XCAFDoc_DocumentTool::ColorTool(doc->Main());
    TDF_LabelSequence labels;
    shapes->GetFreeShapes(labels);
    for (const TDF_Label& label : labels) {
        opencascade::handle<TDataStd_Name> name;
        if (!label.FindAttribute(TDataStd_Name::GetID(), name)) continue;
        ReadSolid solid;
        solid.shape = XCAFDoc_ShapeTool::GetShape(label);
        Quantity_Color color;
        if (colors->GetColor(label, XCAFDoc_ColorGen, color) ||
            colors->GetColor(label, XCAFDoc_ColorSurf, color) ||
            colors->GetColor(solid.shape, XCAFDoc_ColorSurf, color)) {
            solid.color = color;
        }
        solid.visible = colors->IsVisible(label);
        solids[TCollection_AsciiString(name->Get()).ToCString()] = solid;
    }
    XCAFApp_Application::GetApplication()->Close(doc);
    return solids;
}

class ModelExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = kestrava::test_support::FreshTestFolder("kestrava_cad_export");
        HeadlessLauncher launcher;
        RecordingFeedback feedback;
        model_ = BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/nowhere");
        workspace_ = std::dynamic_pointer_cast<ModelWorkspace>(model_.cadConnection.acadApp);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    TransformerModel model_;
    std::shared_ptr<ModelWorkspace> workspace_;
};

TEST_F(ModelExportTest, StepFileHoldsTheNamedColoredSolidsWithTheirBounds) {
    const std::filesystem::path path = folder_ / "Trans1.step";
    ASSERT_TRUE(workspace_->Document().SaveStep(path).has_value());
    const std::map<std::string, ReadSolid> solids = ReadStep(path);
    ASSERT_EQ(solids.size(), kEdgeCaseSolids.size());
    for (const ExpectedSolid& e : kEdgeCaseSolids) {
        SCOPED_TRACE(std::string(e.name));
        const auto found = solids.find(std::string(e.name));
        ASSERT_NE(found, solids.end());
        const ReadSolid& solid = found->second;
        EXPECT_EQ(solid.shape.ShapeType(), TopAbs_SOLID);
        EXPECT_THAT(ShapeBounds(solid.shape), Pointwise(DoubleNear(1e-4), ExpectedBounds(e)));
        ASSERT_TRUE(solid.color.has_value());
        const Rgb rgb = *AciToRgb(e.color);
        Standard_Real r = 0, g = 0, b = 0;
        solid.color->Values(r, g, b, Quantity_TOC_sRGB);
        EXPECT_NEAR(r * 255.0, rgb.red, 0.6);
        EXPECT_NEAR(g * 255.0, rgb.green, 0.6);
        EXPECT_NEAR(b * 255.0, rgb.blue, 0.6);
        EXPECT_EQ(solid.visible, e.visible);
    }
}

TEST_F(ModelExportTest, GlbIsABinaryGltfOfTheVisibleSolidsInMetresWithYUp) {
    const std::filesystem::path path = folder_ / "Trans1.glb";
    ASSERT_TRUE(workspace_->Document().SaveGltf(path).has_value());
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 20> header{};
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    ASSERT_TRUE(in);
    EXPECT_EQ(std::string(header.begin(), header.begin() + 4), "glTF");
    const auto word = [&](std::size_t at) {
        return std::uint32_t{header[at]} | (std::uint32_t{header[at + 1]} << 8U) |
               (std::uint32_t{header[at + 2]} << 16U) | (std::uint32_t{header[at + 3]} << 24U);
    };
    EXPECT_EQ(word(8), std::filesystem::file_size(path));  // declared total length
    EXPECT_GT(word(8), 10'000U);

    std::string chunk(word(12), '\0');
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    const nlohmann::json gltf = nlohmann::json::parse(chunk);
    std::vector<std::string> nodeNames;
    for (const auto& node : gltf.at("nodes")) nodeNames.push_back(node.value("name", ""));
    std::vector<std::string> visibleNames;
    for (const ExpectedSolid& e : kEdgeCaseSolids) {
        if (e.visible) visibleNames.emplace_back(e.name);
    }
    EXPECT_THAT(nodeNames, ::testing::UnorderedElementsAreArray(visibleNames));

    // The upper yoke's top (Z = 740 mm) becomes the highest Y of all meshes: 0.74 m.
    double highest = 0;
    for (const auto& accessor : gltf.at("accessors")) {
        if (accessor.value("type", "") == "VEC3" && accessor.contains("max")) {
            highest = std::max(highest, accessor["max"][1].get<double>());
        }
    }
    EXPECT_NEAR(highest, 0.74, 1e-6);
}

// The file's one varying line is the header's time stamp.
std::string StepWithoutTimeStamp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("FILE_NAME(", 0) != 0) text.append(line).push_back('\n');
    }
    return text;
}

TEST_F(ModelExportTest, IdenticalModelsGiveIdenticalStepFiles) {
    ASSERT_TRUE(workspace_->Document().SaveStep(folder_ / "first.step").has_value());
    for (int build = 0; build < 3; ++build) {
        HeadlessLauncher launcher;
        RecordingFeedback feedback;
        const TransformerModel again =
            BuildTransformerModel(EdgeCaseDesign(), launcher, feedback, "/nowhere");
        const auto workspace =
            std::dynamic_pointer_cast<ModelWorkspace>(again.cadConnection.acadApp);
        ASSERT_TRUE(workspace->Document().SaveStep(folder_ / "again.step").has_value());
        EXPECT_TRUE(StepWithoutTimeStamp(folder_ / "again.step") ==
                    StepWithoutTimeStamp(folder_ / "first.step"))
            << "build " << build;
    }
}

TEST_F(ModelExportTest, SavingIntoAMissingFolderFailsWithoutCreatingIt) {
    const std::filesystem::path missing = folder_ / "AutoCAD Files";
    for (const CadStatus& status : {workspace_->Document().SaveStep(missing / "Trans1.step"),
                                    workspace_->Document().SaveGltf(missing / "Trans1.glb")}) {
        ASSERT_FALSE(status.has_value());
        EXPECT_EQ(status.error().number, kSaveFailed);
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
}  // namespace kestrava::cad
