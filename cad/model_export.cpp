#include "cad/model_export.h"

#include <string>
#include <utility>

#include <BRepMesh_IncrementalMesh.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_Printer.hxx>
#include <Message_ProgressRange.hxx>
#include <Quantity_Color.hxx>
#include <RWGltf_CafWriter.hxx>
#include <RWMesh_CoordinateSystem.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_StepModelType.hxx>
#include <TColStd_IndexedDataMapOfStringString.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

#include "cad/aci_palette.h"
#include "cad/model_workspace.h"

namespace kestrava::cad {
namespace {

// Mesh fineness for glTF: 1 mm chords and 0.35 rad angles keep the 1 m model smooth and
// the file small.
constexpr double kMeshLinearDeflection = 1.0;
constexpr double kMeshAngularDeflection = 0.35;

// Keeps the kernel's translators from printing their transfer statistics while a file is
// written; failures still print.
class QuietKernelMessages {
  public:
    QuietKernelMessages() {
        for (Message_SequenceOfPrinters::Iterator it(Message::DefaultMessenger()->Printers());
             it.More(); it.Next()) {
            saved_.emplace_back(it.Value(), it.Value()->GetTraceLevel());
            it.Value()->SetTraceLevel(Message_Fail);
        }
    }
    ~QuietKernelMessages() {
        for (auto& [printer, level] : saved_) printer->SetTraceLevel(level);
    }
    QuietKernelMessages(const QuietKernelMessages&) = delete;
    QuietKernelMessages& operator=(const QuietKernelMessages&) = delete;

  private:
    std::vector<std::pair<Handle(Message_Printer), Message_Gravity>> saved_;
};

// A transient XCAF document, closed again when it goes out of scope.
class XcafDocument {
  public:
    XcafDocument() { XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc_); }
    ~XcafDocument() { XCAFApp_Application::GetApplication()->Close(doc_); }
    XcafDocument(const XcafDocument&) = delete;
    XcafDocument& operator=(const XcafDocument&) = delete;

    const Handle(TDocStd_Document) & Get() const { return doc_; }

    void Add(const ModelSolid& solid) {
        const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(doc_->Main());
        const Handle(XCAFDoc_ColorTool) colors = XCAFDoc_DocumentTool::ColorTool(doc_->Main());
        const TDF_Label label = shapes->AddShape(solid.shape, Standard_False);
        TDataStd_Name::Set(label, TCollection_ExtendedString(solid.name.c_str(), true));
        if (const auto rgb = AciToRgb(solid.colorIndex)) {
            const Quantity_Color color(rgb->red / 255.0, rgb->green / 255.0, rgb->blue / 255.0,
                                       Quantity_TOC_sRGB);
            colors->SetColor(label, color, XCAFDoc_ColorGen);
        }
        if (!solid.visible) colors->SetVisibility(label, Standard_False);
    }

  private:
    Handle(TDocStd_Document) doc_;
};

CadError SaveError(const std::filesystem::path& path) {
    return CadError{kSaveFailed, "Cannot write the file " + path.string()};
}

// The writers would only fail late (glTF after meshing), so a missing folder is caught first.
bool FolderExists(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    return std::filesystem::is_directory(folder, error);
}

}  // namespace

CadStatus WriteStepFile(const std::vector<ModelSolid>& solids, const std::filesystem::path& path) {
    if (!FolderExists(path)) return SaveError(path);
    const QuietKernelMessages quiet;
    XcafDocument document;
    for (const ModelSolid& solid : solids) document.Add(solid);

    STEPCAFControl_Writer writer;
    writer.SetColorMode(Standard_True);
    writer.SetNameMode(Standard_True);
    if (!writer.Transfer(document.Get(), STEPControl_AsIs)) return SaveError(path);
    if (writer.Write(path.string().c_str()) != IFSelect_RetDone) return SaveError(path);
    return std::nullopt;
}

CadStatus WriteGltfFile(const std::vector<ModelSolid>& solids, const std::filesystem::path& path) {
    if (!FolderExists(path)) return SaveError(path);
    const QuietKernelMessages quiet;
    XcafDocument document;
    for (const ModelSolid& solid : solids) {
        if (!solid.visible) continue;
        BRepMesh_IncrementalMesh mesh(solid.shape, kMeshLinearDeflection, Standard_False,
                                      kMeshAngularDeflection);
        document.Add(solid);
    }

    RWGltf_CafWriter writer(path.string().c_str(), Standard_True);
    // The model is in millimetres with Z up; glTF wants metres with Y up.
    writer.ChangeCoordinateSystemConverter().SetInputLengthUnit(0.001);
    writer.ChangeCoordinateSystemConverter().SetInputCoordinateSystem(RWMesh_CoordinateSystem_Zup);
    if (!writer.Perform(document.Get(), TColStd_IndexedDataMapOfStringString(),
                        Message_ProgressRange())) {
        return SaveError(path);
    }
    return std::nullopt;
}

}  // namespace kestrava::cad
