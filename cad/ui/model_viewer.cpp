#include "cad/ui/model_viewer.h"

#include <Aspect_DisplayConnection.hxx>
#include <Aspect_NeutralWindow.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <OpenGl_Context.hxx>
#include <OpenGl_FrameBuffer.hxx>
#include <OpenGl_GraphicDriver.hxx>
#include <OpenGl_View.hxx>
#include <OpenGl_Window.hxx>
#include <Precision.hxx>
#include <Prs3d_DimensionAspect.hxx>
#include <Prs3d_LineAspect.hxx>
#include <Prs3d_ShadingAspect.hxx>
#include <TopAbs_ShapeEnum.hxx>
#include <TopoDS.hxx>
#include <V3d_AmbientLight.hxx>
#include <V3d_DirectionalLight.hxx>
#include <gp_Ax1.hxx>
#include <gp_Pln.hxx>
#include <gp_Trsf.hxx>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWheelEvent>
#include <cmath>
#include <utility>

#include "cad/aci_palette.h"
#include "cad/ui/polygon_offsets.h"

namespace kestrava::cad::ui {
namespace {

constexpr int kOrbitIntervalMs = 30;
constexpr double kOrbitStepRadians = 0.02;
constexpr int kPickTolerancePixels = 8;
constexpr double kFitMargin = 0.06;
constexpr double kTankTransparency = 0.6;
const Quantity_Color kEdgeColor(0.1, 0.1, 0.12, Quantity_TOC_sRGB);

// Qt draws into a framebuffer without sRGB conversion; tell OCCT so when it binds it.
class QtFrameBuffer : public OpenGl_FrameBuffer {
    DEFINE_STANDARD_RTTI_INLINE(QtFrameBuffer, OpenGl_FrameBuffer)
  public:
    void BindBuffer(const Handle(OpenGl_Context) & context) override {
        OpenGl_FrameBuffer::BindBuffer(context);
        context->SetFrameBufferSRGB(true, false);
    }
    void BindDrawBuffer(const Handle(OpenGl_Context) & context) override {
        OpenGl_FrameBuffer::BindDrawBuffer(context);
        context->SetFrameBufferSRGB(true, false);
    }
};

Aspect_VKeyMouse ToVKeyMouse(Qt::MouseButtons buttons) {
    Aspect_VKeyMouse keys = Aspect_VKeyMouse_NONE;
    if (buttons & Qt::LeftButton) keys |= Aspect_VKeyMouse_LeftButton;
    if (buttons & Qt::MiddleButton) keys |= Aspect_VKeyMouse_MiddleButton;
    if (buttons & Qt::RightButton) keys |= Aspect_VKeyMouse_RightButton;
    return keys;
}

Aspect_VKeyFlags ToVKeyFlags(Qt::KeyboardModifiers modifiers) {
    Aspect_VKeyFlags flags = Aspect_VKeyFlags_NONE;
    if (modifiers & Qt::ShiftModifier) flags |= Aspect_VKeyFlags_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= Aspect_VKeyFlags_CTRL;
    if (modifiers & Qt::AltModifier) flags |= Aspect_VKeyFlags_ALT;
    return flags;
}

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
    const Handle(Prs3d_Drawer)& drawer = shape.Attributes();
    drawer->FaceBoundaryAspect()->SetColor(kEdgeColor);
    const PolygonOffset offset = PolygonOffsetOf(solid.part);
    drawer->ShadingAspect()->Aspect()->SetPolygonOffsets(Aspect_POM_Fill, offset.factor,
                                                         offset.units);
    // The tank would hide everything it holds: let the active part show through it.
    if (solid.part && solid.part->kind == PartKind::Tank) shape.SetTransparency(kTankTransparency);
}

Handle(OpenGl_Context) GlContextOf(const Handle(V3d_View) & view) {
    const Handle(OpenGl_View) glView = Handle(OpenGl_View)::DownCast(view->View());
    if (glView.IsNull() || glView->GlWindow().IsNull()) return {};
    return glView->GlWindow()->GetGlContext();
}

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

// Qt's own X display when there is one: a second connection would make the GL driver set up (and
// tear down) a second screen of its own.
Handle(Aspect_DisplayConnection) SharedDisplayConnection() {
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        return new Aspect_DisplayConnection(reinterpret_cast<Aspect_XDisplay*>(x11->display()));
    }
    return new Aspect_DisplayConnection();
}

// A soft ambient light and a key light fixed to the model, from above and in front, a little from
// the side, so that the top, front and side faces of the boxes read as different shades.
void AddModelLights(const Handle(V3d_Viewer) & viewer) {
    Handle(V3d_AmbientLight) ambient = new V3d_AmbientLight(Quantity_NOC_WHITE);
    ambient->SetIntensity(0.45F);
    Handle(V3d_DirectionalLight) key =
        new V3d_DirectionalLight(gp_Dir(-0.3, 0.6, -1.0), Quantity_NOC_WHITE, false);
    key->SetIntensity(0.9F);
    viewer->AddLight(ambient);
    viewer->AddLight(key);
    viewer->SetLightOn();
}

}  // namespace

ModelViewer::ModelViewer(std::shared_ptr<ModelDocument> document, QWidget* parent)
    : QOpenGLWidget(parent), document_(std::move(document)) {
    Handle(OpenGl_GraphicDriver) driver =
        new OpenGl_GraphicDriver(SharedDisplayConnection(), false);
    // Qt owns the surface: OCCT draws into Qt's framebuffer and never swaps buffers itself.
    driver->ChangeOptions().buffersNoSwap = true;
    driver->ChangeOptions().buffersOpaqueAlpha = true;
    driver->ChangeOptions().useSystemBuffer = false;

    viewer_ = new V3d_Viewer(driver);
    AddModelLights(viewer_);
    context_ = new AIS_InteractiveContext(viewer_);
    context_->SetAutoActivateSelection(false);
    context_->SetPixelTolerance(kPickTolerancePixels);
    view_ = viewer_->CreateView();
    view_->SetImmediateUpdate(false);
    view_->SetBgGradientColors(Quantity_Color(0.16, 0.19, 0.24, Quantity_TOC_sRGB),
                               Quantity_Color(0.62, 0.66, 0.72, Quantity_TOC_sRGB),
                               Aspect_GradientFillMethod_Vertical, false);

    SetAllowHighlight(false);
    SetNavigationGestures(false);

    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setUpdateBehavior(QOpenGLWidget::NoPartialUpdate);
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    format.setVersion(4, 5);
    format.setProfile(QSurfaceFormat::CoreProfile);
    setFormat(format);

    orbitTimer_.setInterval(kOrbitIntervalMs);
    connect(&orbitTimer_, &QTimer::timeout, this, &ModelViewer::TurnCameraStep);

    for (std::size_t index = 0; index < document_->SolidCount(); ++index) OnSolidAdded(index);
    ApplyViewSettings();
    document_->AddListener(this);
}

ModelViewer::~ModelViewer() {
    document_->RemoveListener(this);
    orbitTimer_.stop();
    // The X display must outlive OCCT's GL objects until Qt's context is current again.
    Handle(Aspect_DisplayConnection) display = viewer_->Driver()->GetDisplayConnection();
    makeCurrent();
    context_->RemoveAll(false);
    context_.Nullify();
    view_->Remove();
    view_.Nullify();
    viewer_.Nullify();
    makeCurrent();
    display.Nullify();
}

void ModelViewer::FitAll() {
    fitPending_ = true;
    RequestRedraw();
}

bool ModelViewer::IsSolidDisplayed(std::size_t index) const {
    return context_->IsDisplayed(solids_.at(index));
}

const Handle(AIS_Shape) & ModelViewer::SolidPresentation(std::size_t index) const {
    return solids_.at(index);
}

QPoint ModelViewer::ProjectToWidget(const gp_Pnt& point) const {
    Standard_Integer x = 0;
    Standard_Integer y = 0;
    view_->Convert(point.X(), point.Y(), point.Z(), x, y);
    const double ratio = devicePixelRatioF();
    return {static_cast<int>(std::lround(x / ratio)), static_cast<int>(std::lround(y / ratio))};
}

void ModelViewer::OnSolidAdded(std::size_t index) {
    if (solids_.size() <= index) solids_.resize(index + 1);
    const ModelSolid& solid = document_->Solid(index);
    Handle(AIS_Shape) shape = new AIS_Shape(solid.shape);
    const Handle(Prs3d_Drawer)& drawer = shape->Attributes();
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
    const Handle(AIS_Shape)& shape = solids_[index];
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
    const Handle(Graphic3d_Camera)& camera = view_->Camera();
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
    for (const Handle(AIS_Shape) & shape : solids_) {
        if (!shape.IsNull() && context_->IsDisplayed(shape)) {
            context_->SetDisplayMode(shape, mode, false);
        }
    }
    view_->Invalidate();
    RequestRedraw();
}

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
    for (const Handle(AIS_Shape) & shape : solids_) {
        if (!shape.IsNull() && context_->IsDisplayed(shape)) {
            context_->Activate(shape, AIS_Shape::SelectionMode(TopAbs_VERTEX));
        }
    }
}

void ModelViewer::OnSelectionChanged(const Handle(AIS_InteractiveContext) & context,
                                     const Handle(V3d_View) &
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
    Handle(PrsDim_LengthDimension) dimension =
        new PrsDim_LengthDimension(from, to, DimensionPlane(from, to, eye));

    const double length = from.Distance(to);
    Handle(Prs3d_DimensionAspect) aspect = new Prs3d_DimensionAspect();
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

void ModelViewer::RequestRedraw() {
    if (!view_.IsNull()) view_->Invalidate();
    update();
}

void ModelViewer::initializeGL() {
    const double ratio = devicePixelRatioF();
    const int width = static_cast<int>(std::lround(rect().width() * ratio));
    const int height = static_cast<int>(std::lround(rect().height() * ratio));
    const auto nativeWindow = static_cast<Aspect_Drawable>(winId());

    Handle(OpenGl_Context) glContext = new OpenGl_Context();
    if (!glContext->Init(context()->format().profile() == QSurfaceFormat::CoreProfile)) {
        graphicsFailed_ = true;
        return;
    }
    Handle(Aspect_NeutralWindow) window = Handle(Aspect_NeutralWindow)::DownCast(view_->Window());
    if (window.IsNull()) {
        window = new Aspect_NeutralWindow();
        window->SetVirtual(true);
    }
    window->SetNativeHandle(nativeWindow);
    window->SetSize(width, height);
    view_->SetWindow(window, glContext->RenderingContext());
}

void ModelViewer::paintGL() {
    if (view_->Window().IsNull()) return;
    const Handle(OpenGl_Context) glContext = GlContextOf(view_);
    if (glContext.IsNull()) return;
    Handle(OpenGl_FrameBuffer) frameBuffer = glContext->DefaultFrameBuffer();
    if (frameBuffer.IsNull()) {
        frameBuffer = new QtFrameBuffer();
        glContext->SetDefaultFrameBuffer(frameBuffer);
    }
    // Qt binds a new framebuffer object after each resize: wrap whichever is current now.
    if (!frameBuffer->InitWrapper(glContext)) {
        graphicsFailed_ = true;
        return;
    }
    const Handle(Aspect_NeutralWindow) window =
        Handle(Aspect_NeutralWindow)::DownCast(view_->Window());
    Graphic3d_Vec2i oldSize;
    window->Size(oldSize.x(), oldSize.y());
    const Graphic3d_Vec2i newSize = frameBuffer->GetVPSize();
    if (newSize != oldSize) {
        window->SetSize(newSize.x(), newSize.y());
        view_->MustBeResized();
        view_->Invalidate();
    }
    if (fitPending_) {
        view_->FitAll(kFitMargin, false);
        fitPending_ = false;
        view_->Invalidate();
    }
    view_->InvalidateImmediate();
    FlushViewEvents(context_, view_, true);
}

void ModelViewer::handleViewRedraw(const Handle(AIS_InteractiveContext) & context,
                                   const Handle(V3d_View) & view) {
    AIS_ViewController::handleViewRedraw(context, view);
    if (toAskNextFrame()) update();  // camera animations want the following frame too
}

bool ModelViewer::UpdateMouseClick(const Graphic3d_Vec2i& point, Aspect_VKeyMouse button,
                                   Aspect_VKeyFlags modifiers, bool isDoubleClick) {
    if (activeCommand_ == InteractiveCommand::ContinuousOrbit) {
        EndInteractiveCommand();
        return true;
    }
    if (activeCommand_ == InteractiveCommand::Dimension && button == Aspect_VKeyMouse_LeftButton) {
        return AIS_ViewController::UpdateMouseClick(point, button, modifiers, isDoubleClick);
    }
    return false;
}

Graphic3d_Vec2i ModelViewer::ViewPoint(const QPointF& position) const {
    const double ratio = devicePixelRatioF();
    return Graphic3d_Vec2i(static_cast<int>(std::lround(position.x() * ratio)),
                           static_cast<int>(std::lround(position.y() * ratio)));
}

void ModelViewer::mousePressEvent(QMouseEvent* event) {
    QOpenGLWidget::mousePressEvent(event);
    const Graphic3d_Vec2i point = ViewPoint(event->position());
    if (UpdateMouseButtons(point, ToVKeyMouse(event->buttons()), ToVKeyFlags(event->modifiers()),
                           false)) {
        update();
    }
}

void ModelViewer::mouseReleaseEvent(QMouseEvent* event) {
    QOpenGLWidget::mouseReleaseEvent(event);
    const Graphic3d_Vec2i point = ViewPoint(event->position());
    if (UpdateMouseButtons(point, ToVKeyMouse(event->buttons()), ToVKeyFlags(event->modifiers()),
                           false)) {
        update();
    }
}

void ModelViewer::mouseMoveEvent(QMouseEvent* event) {
    QOpenGLWidget::mouseMoveEvent(event);
    const Graphic3d_Vec2i point = ViewPoint(event->position());
    if (UpdateMousePosition(point, ToVKeyMouse(event->buttons()), ToVKeyFlags(event->modifiers()),
                            false)) {
        update();
    }
}

void ModelViewer::wheelEvent(QWheelEvent* event) {
    QOpenGLWidget::wheelEvent(event);
    const Graphic3d_Vec2i point = ViewPoint(event->position());
    if (UpdateZoom(Aspect_ScrollDelta(point, event->angleDelta().y() / 8.0))) update();
}

void ModelViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && activeCommand_ != InteractiveCommand::None) {
        EndInteractiveCommand();
        RequestRedraw();
        return;
    }
    QOpenGLWidget::keyPressEvent(event);
}

}  // namespace kestrava::cad::ui
