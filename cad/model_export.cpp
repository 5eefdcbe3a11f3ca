#include "cad/model_export.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <BRepMesh_IncrementalMesh.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_EntityIterator.hxx>
#include <Interface_Graph.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_Printer.hxx>
#include <Message_ProgressRange.hxx>
#include <Quantity_Color.hxx>
#include <RWGltf_CafWriter.hxx>
#include <RWMesh_CoordinateSystem.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_StepModelType.hxx>
#include <STEPControl_Writer.hxx>
#include <StepData_StepModel.hxx>
#include <StepRepr_RepresentationContext.hxx>
#include <StepVisual_MechanicalDesignGeometricPresentationRepresentation.hxx>
#include <TColStd_IndexedDataMapOfStringString.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

#include "cad/aci_palette.h"
#include "cad/model_workspace.h"
#include "sheet/file_replacement.h"

namespace kestrava::cad {
namespace {

// Mesh fineness for glTF: 1 mm chords and 0.35 rad angles keep the 1 m model smooth and
// the file small.
constexpr double kMeshLinearDeflection = 1.0;
constexpr double kMeshAngularDeflection = 0.35;

using PrinterHandle = opencascade::handle<Message_Printer>;
using DocumentHandle = opencascade::handle<TDocStd_Document>;
using ShapeToolHandle = opencascade::handle<XCAFDoc_ShapeTool>;
using ColorToolHandle = opencascade::handle<XCAFDoc_ColorTool>;
using EntityHandle = opencascade::handle<Standard_Transient>;
using StepModelHandle = opencascade::handle<StepData_StepModel>;
using PresentationHandle =
    opencascade::handle<StepVisual_MechanicalDesignGeometricPresentationRepresentation>;

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
    std::vector<std::pair<PrinterHandle, Message_Gravity>> saved_;
};

// A transient XCAF document, closed again when it goes out of scope.
class XcafDocument {
  public:
    XcafDocument() { XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc_); }
    ~XcafDocument() { XCAFApp_Application::GetApplication()->Close(doc_); }
    XcafDocument(const XcafDocument&) = delete;
    XcafDocument& operator=(const XcafDocument&) = delete;

    const DocumentHandle& Get() const { return doc_; }

    void Add(const ModelSolid& solid) {
        const ShapeToolHandle shapes = XCAFDoc_DocumentTool::ShapeTool(doc_->Main());
        const ColorToolHandle colors = XCAFDoc_DocumentTool::ColorTool(doc_->Main());
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
    DocumentHandle doc_;
};

// Places entity 'entity' and, after it, every tail entity it refers to that is not placed yet.
void PlaceWithReferences(const Interface_Graph& graph, const EntityHandle& entity,
                         const StepModelHandle& model, Standard_Integer tailStart,
                         std::vector<bool>& placed, std::vector<EntityHandle>& order) {
    const Standard_Integer number = model->Number(entity);
    if (number < tailStart || placed[static_cast<std::size_t>(number)]) return;
    placed[static_cast<std::size_t>(number)] = true;
    order.push_back(entity);
    for (Interface_EntityIterator shared = graph.Shareds(entity); shared.More(); shared.Next()) {
        PlaceWithReferences(graph, shared.Value(), model, tailStart, placed, order);
    }
}

// The writer appends each solid's colour presentation in the order of a map keyed by shape
// addresses, which differ from run to run. Re-placing the presentations in the order of the
// solids they colour makes identical models give identical files.
void OrderColorPresentations(const StepModelHandle& model) {
    const Standard_Integer count = model->NbEntities();
    Standard_Integer tailStart = count + 1;
    std::vector<PresentationHandle> presentations;
    for (Standard_Integer i = 1; i <= count; ++i) {
        const PresentationHandle presentation = PresentationHandle::DownCast(model->Value(i));
        if (presentation.IsNull()) continue;
        tailStart = std::min(tailStart, i);
        presentations.push_back(presentation);
    }
    std::stable_sort(presentations.begin(), presentations.end(),
                     [&model](const PresentationHandle& a, const PresentationHandle& b) {
                         return model->Number(a->ContextOfItems()) <
                                model->Number(b->ContextOfItems());
                     });

    const Interface_Graph graph(model);
    std::vector<bool> placed(static_cast<std::size_t>(count) + 1, false);
    std::vector<EntityHandle> order;
    for (const PresentationHandle& presentation : presentations) {
        PlaceWithReferences(graph, presentation, model, tailStart, placed, order);
    }
    for (Standard_Integer i = tailStart; i <= count; ++i) {
        PlaceWithReferences(graph, model->Value(i), model, tailStart, placed, order);
    }
    Standard_Integer target = tailStart;
    for (const EntityHandle& entity : order) {
        const Standard_Integer current = model->Number(entity);
        if (current != target) model->ChangeOrder(current, target);
        ++target;
    }
}

Failure<CadError> SaveError(const std::filesystem::path& path) {
    return Fail(CadError{kSaveFailed, "Cannot write the file " + path.string()});
}

// Saves through a temporary file, so that a reader or a second writer never sees a torn file.
CadStatus SaveReplacing(const std::filesystem::path& path, const FileContentsWriter& write) {
    if (const FileReplaced replaced = ReplaceFile(path, write); !replaced.has_value()) {
        return Fail(CadError{kSaveFailed, DescribeFileFailure(replaced.error(), "the file", path)});
    }
    return {};
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
    OrderColorPresentations(writer.ChangeWriter().Model());
    return SaveReplacing(path, [&writer](int, const std::filesystem::path& file) {
        return writer.Write(file.string().c_str()) == IFSelect_RetDone;
    });
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

    return SaveReplacing(path, [&document](int, const std::filesystem::path& file) {
        RWGltf_CafWriter writer(file.string().c_str(), Standard_True);
        // The model is in millimetres with Z up; glTF wants metres with Y up.
        writer.ChangeCoordinateSystemConverter().SetInputLengthUnit(0.001);
        writer.ChangeCoordinateSystemConverter().SetInputCoordinateSystem(
            RWMesh_CoordinateSystem_Zup);
        return writer.Perform(document.Get(), TColStd_IndexedDataMapOfStringString(),
                              Message_ProgressRange());
    });
}

}  // namespace kestrava::cad
