#include "cad/ui/model_viewer.h"

#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <Precision.hxx>
#include <Prs3d_DimensionAspect.hxx>
#include <TopoDS.hxx>
#include <gp_Ax1.hxx>
#include <gp_Pln.hxx>
#include <gp_Trsf.hxx>

#include <cmath>

// The interactive commands: a dimension between two picked vertices, the continuous orbit and the
// orbit by dragging.
namespace kestrava::cad::ui {
namespace {

constexpr double kOrbitStepRadians = 0.02;

// A plane through 'from' that contains the segment and faces 'eye' as far as it can, so that the
// dimension's extension lines lie flat on the screen.
gp_Pln DimensionPlane(const gp_Pnt& from, const gp_Pnt& to, const gp_Dir& eye) {
    const gp_Dir along(gp_Vec(from, to));
    gp_Vec normal = gp_Vec(eye) - gp_Vec(along) * gp_Vec(eye).Dot(gp_Vec(along));
    if (normal.Magnitude() < Precision::Confusion()) {
        normal =
            gp_Vec(along).Crossed(std::abs(along.Z()) < 0.9 ? gp_Vec(gp::DZ()) : gp_Vec(gp::DX()));
    }
    return gp_Pln(from, gp_Dir(normal));
}

}  // namespace

void ModelViewer::OnInteractiveCommand(InteractiveCommand kind) {
    EndInteractiveCommand();
    activeCommand_ = kind;
    switch (kind) {
        case InteractiveCommand::Dimension:
            StartDimension();
            break;
        case InteractiveCommand::ContinuousOrbit:
            StartContinuousOrbit();
            break;
        case InteractiveCommand::Orbit:
            SetNavigationGestures(true);
            break;
        case InteractiveCommand::None:
            break;
    }
}

void ModelViewer::SetNavigationGestures(bool leftButtonOrbits) {
    AIS_MouseGestureMap& gestures = ChangeMouseGestureMap();
    gestures.Clear();
    gestures.Bind(Aspect_VKeyMouse_LeftButton,
                  leftButtonOrbits ? AIS_MouseGesture_RotateOrbit : AIS_MouseGesture_Pan);
    gestures.Bind(Aspect_VKeyMouse_MiddleButton, AIS_MouseGesture_RotateOrbit);
    gestures.Bind(Aspect_VKeyMouse_RightButton, AIS_MouseGesture_Zoom);
}

void ModelViewer::StartDimension() {
    pickedPoints_.clear();
    for (const ShapePresentationHandle& shape : solids_) {
        if (!shape.IsNull() && context_->IsDisplayed(shape)) {
            context_->Activate(shape, AIS_Shape::SelectionMode(TopAbs_VERTEX));
        }
    }
}

void ModelViewer::OnSelectionChanged(const InteractiveContextHandle& context, const ViewHandle&
                                     /*view*/) {
    if (activeCommand_ != InteractiveCommand::Dimension) return;
    context->InitSelected();
    if (!context->MoreSelected() || !context->HasSelectedShape()) return;
    const TopoDS_Shape picked = context->SelectedShape();
    context->ClearSelected(false);
    if (picked.ShapeType() != TopAbs_VERTEX) return;
    const gp_Pnt point = BRep_Tool::Pnt(TopoDS::Vertex(picked));
    // Picking the first vertex again would give a dimension of nothing: wait for another one.
    if (!pickedPoints_.empty() && pickedPoints_.front().Distance(point) < Precision::Confusion()) {
        return;
    }
    pickedPoints_.push_back(point);
    if (pickedPoints_.size() == 2) PlaceDimension();
}

void ModelViewer::PlaceDimension() {
    const gp_Pnt from = pickedPoints_[0];
    const gp_Pnt to = pickedPoints_[1];
    const gp_Dir eye = view_->Camera()->Direction().Reversed();
    DimensionPresentationHandle dimension =
        new PrsDim_LengthDimension(from, to, DimensionPlane(from, to, eye));

    const double length = from.Distance(to);
    DimensionAspectHandle aspect = new Prs3d_DimensionAspect();
    aspect->MakeArrows3d(false);
    aspect->MakeText3d(false);
    aspect->SetCommonColor(Quantity_Color(1.0, 0.85, 0.1, Quantity_TOC_sRGB));
    aspect->TextAspect()->SetHeight(16.0);
    aspect->ArrowAspect()->SetLength(length * 0.04);
    dimension->SetDimensionAspect(aspect);
    dimension->SetFlyout(length * 0.15);

    context_->Display(dimension, false);
    // Drawn over the solids: its points lie on their surfaces and would be half hidden otherwise.
    context_->SetZLayer(dimension, Graphic3d_ZLayerId_Topmost);
    dimensions_.push_back(dimension);
    EndInteractiveCommand();
    RequestRedraw();
    emit dimensionPlaced();
}

void ModelViewer::StartContinuousOrbit() {
    orbitTimer_.start();
}

void ModelViewer::TurnCameraStep() {
    const Bnd_Box box = view_->View()->MinMaxValues();
    if (box.IsVoid()) return;
    const gp_Pnt centre((box.CornerMin().XYZ() + box.CornerMax().XYZ()) * 0.5);
    gp_Trsf turn;
    turn.SetRotation(gp_Ax1(centre, gp::DZ()), kOrbitStepRadians);
    view_->Camera()->Transform(turn);
    view_->Invalidate();
    RequestRedraw();
}

void ModelViewer::EndInteractiveCommand() {
    orbitTimer_.stop();
    if (activeCommand_ == InteractiveCommand::Dimension) context_->Deactivate();
    pickedPoints_.clear();
    activeCommand_ = InteractiveCommand::None;
    SetNavigationGestures(false);
}

}  // namespace kestrava::cad::ui
