#include "cad/ui/model_viewer.h"

#include <Aspect_DisplayConnection.hxx>
#include <OpenGl_GraphicDriver.hxx>
#include <V3d_AmbientLight.hxx>
#include <V3d_DirectionalLight.hxx>

#include <QGuiApplication>
#include <QSurfaceFormat>
#include <cmath>
#include <utility>

namespace kestrava::cad::ui {
namespace {

constexpr int kOrbitIntervalMs = 30;
constexpr int kPickTolerancePixels = 8;

// Qt's own X display when there is one: a second connection would make the GL driver set up (and
// tear down) a second screen of its own.
DisplayConnectionHandle SharedDisplayConnection() {
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        return new Aspect_DisplayConnection(reinterpret_cast<Aspect_XDisplay*>(x11->display()));
    }
    return new Aspect_DisplayConnection();
}

// A soft ambient light and a key light fixed to the model, from above and in front, a little from
// the side, so that the top, front and side faces of the boxes read as different shades.
void AddModelLights(const ViewerHandle& viewer) {
    AmbientLightHandle ambient = new V3d_AmbientLight(Quantity_NOC_WHITE);
    ambient->SetIntensity(0.45F);
    DirectionalLightHandle key =
        new V3d_DirectionalLight(gp_Dir(-0.3, 0.6, -1.0), Quantity_NOC_WHITE, false);
    key->SetIntensity(0.9F);
    viewer->AddLight(ambient);
    viewer->AddLight(key);
    viewer->SetLightOn();
}

}  // namespace

ModelViewer::ModelViewer(std::shared_ptr<ModelDocument> document, QWidget* parent)
    : QOpenGLWidget(parent), document_(std::move(document)) {
    GlGraphicDriverHandle driver = new OpenGl_GraphicDriver(SharedDisplayConnection(), false);
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
    DisplayConnectionHandle display = viewer_->Driver()->GetDisplayConnection();
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

const ShapePresentationHandle& ModelViewer::SolidPresentation(std::size_t index) const {
    return solids_.at(index);
}

QPoint ModelViewer::ProjectToWidget(const gp_Pnt& point) const {
    Standard_Integer x = 0;
    Standard_Integer y = 0;
    view_->Convert(point.X(), point.Y(), point.Z(), x, y);
    const double ratio = devicePixelRatioF();
    return {static_cast<int>(std::lround(x / ratio)), static_cast<int>(std::lround(y / ratio))};
}

void ModelViewer::RequestRedraw() {
    if (!view_.IsNull()) view_->Invalidate();
    update();
}

void ModelViewer::handleViewRedraw(const InteractiveContextHandle& context,
                                   const ViewHandle& view) {
    AIS_ViewController::handleViewRedraw(context, view);
    if (toAskNextFrame()) update();  // camera animations want the following frame too
}

}  // namespace kestrava::cad::ui
