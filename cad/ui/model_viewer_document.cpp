#include "cad/ui/model_viewer.h"

#include <Prs3d_Drawer.hxx>
#include <Prs3d_LineAspect.hxx>
#include <Prs3d_ShadingAspect.hxx>
#include <TopAbs_ShapeEnum.hxx>

#include <cmath>
#include <optional>

#include "cad/aci_palette.h"
#include "cad/ui/polygon_offsets.h"

// The viewer's side of the document: every solid and view change shows at the next frame.
namespace kestrava::cad::ui {
namespace {

constexpr double kTankTransparency = 0.6;
const Quantity_Color kEdgeColor(0.1, 0.1, 0.12, Quantity_TOC_sRGB);

Quantity_Color ColorOfIndex(int colorIndex) {
    const std::optional<Rgb> rgb = AciToRgb(colorIndex);
    if (!rgb) return Quantity_Color(Quantity_NOC_WHITE);
    return Quantity_Color(rgb->red / 255.0, rgb->green / 255.0, rgb->blue / 255.0,
                          Quantity_TOC_sRGB);
}

// Colours the solid and gives it the look of its part. Colouring a shape recolours all its lines
// and resets its shading aspect, so the edges, depth offset and transparency follow each time.
void StyleSolid(AIS_Shape& shape, const ModelSolid& solid) {
    shape.SetColor(ColorOfIndex(solid.colorIndex));
    const DrawerHandle& drawer = shape.Attributes();
    drawer->FaceBoundaryAspect()->SetColor(kEdgeColor);
    const PolygonOffset offset = PolygonOffsetOf(solid.part);
    drawer->ShadingAspect()->Aspect()->SetPolygonOffsets(Aspect_POM_Fill, offset.factor,
                                                         offset.units);
    // The tank would hide everything it holds: let the active part show through it.
    if (solid.part && solid.part->kind == PartKind::Tank) shape.SetTransparency(kTankTransparency);
}

}  // namespace

void ModelViewer::OnSolidAdded(std::size_t index) {
    if (solids_.size() <= index) solids_.resize(index + 1);
    const ModelSolid& solid = document_->Solid(index);
    ShapePresentationHandle shape = new AIS_Shape(solid.shape);
    const DrawerHandle& drawer = shape->Attributes();
    drawer->SetFaceBoundaryDraw(true);
    drawer->SetupOwnFaceBoundaryAspect();
    StyleSolid(*shape, solid);
    solids_[index] = shape;
    ApplySolidAttributes(index);
}

void ModelViewer::OnSolidChanged(std::size_t index) {
    if (index >= solids_.size() || solids_[index].IsNull()) return;
    StyleSolid(*solids_[index], document_->Solid(index));
    context_->Redisplay(solids_[index], false);
    ApplySolidAttributes(index);
}

void ModelViewer::ApplySolidAttributes(std::size_t index) {
    const ShapePresentationHandle& shape = solids_[index];
    if (!document_->Solid(index).visible) {
        context_->Erase(shape, false);
        RequestRedraw();
        return;
    }
    const bool shaded = document_->View().visualStyle == VisualStyle::Conceptual;
    // Displaying with a selection mode registers the shape for picking; only the dimension
    // command picks anything, and then only vertices.
    context_->Display(shape, shaded ? AIS_Shaded : AIS_WireFrame, 0, false);
    context_->Deactivate(shape);
    if (activeCommand_ == InteractiveCommand::Dimension) {
        context_->Activate(shape, AIS_Shape::SelectionMode(TopAbs_VERTEX));
    }
    RequestRedraw();
}

void ModelViewer::OnViewChanged() {
    ApplyViewSettings();
}

void ModelViewer::ApplyViewSettings() {
    const ViewSettings& settings = document_->View();
    const gp_Vec toEye(settings.viewDirection.x, settings.viewDirection.y,
                       settings.viewDirection.z);
    const CameraHandle& camera = view_->Camera();
    if (toEye.Magnitude() > Precision::Confusion()) {
        const gp_Dir eye(toEye);
        camera->SetDirection(eye.Reversed());
        // Z stays up on screen unless the view looks straight down or up.
        camera->SetUp(std::abs(eye.Z()) > 0.999 ? gp::DY() : gp::DZ());
        camera->OrthogonalizeUp();
    }
    camera->SetProjectionType(settings.perspective ? Graphic3d_Camera::Projection_Perspective
                                                   : Graphic3d_Camera::Projection_Orthographic);
    const int mode = settings.visualStyle == VisualStyle::Conceptual ? AIS_Shaded : AIS_WireFrame;
    for (const ShapePresentationHandle& shape : solids_) {
        if (!shape.IsNull() && context_->IsDisplayed(shape)) {
            context_->SetDisplayMode(shape, mode, false);
        }
    }
    view_->Invalidate();
    RequestRedraw();
}

}  // namespace kestrava::cad::ui
