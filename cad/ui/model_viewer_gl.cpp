#include "cad/ui/model_viewer.h"

#include <Aspect_NeutralWindow.hxx>
#include <OpenGl_Context.hxx>
#include <OpenGl_FrameBuffer.hxx>
#include <OpenGl_View.hxx>
#include <OpenGl_Window.hxx>

#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <cmath>

// Drawing through Qt's OpenGL context: the kernel renders into the framebuffer Qt binds.
namespace kestrava::cad::ui {
namespace {

constexpr double kFitMargin = 0.06;

// Qt draws into a framebuffer without sRGB conversion; tell OCCT so when it binds it.
class QtFrameBuffer : public OpenGl_FrameBuffer {
    DEFINE_STANDARD_RTTI_INLINE(QtFrameBuffer, OpenGl_FrameBuffer)
  public:
    void BindBuffer(const GlContextHandle& context) override {
        OpenGl_FrameBuffer::BindBuffer(context);
        context->SetFrameBufferSRGB(true, false);
    }
    void BindDrawBuffer(const GlContextHandle& context) override {
        OpenGl_FrameBuffer::BindDrawBuffer(context);
        context->SetFrameBufferSRGB(true, false);
    }
};

GlContextHandle GlContextOf(const ViewHandle& view) {
    const GlViewHandle glView = GlViewHandle::DownCast(view->View());
    if (glView.IsNull() || glView->GlWindow().IsNull()) return {};
    return glView->GlWindow()->GetGlContext();
}

}  // namespace

void ModelViewer::initializeGL() {
    const double ratio = devicePixelRatioF();
    const int width = static_cast<int>(std::lround(rect().width() * ratio));
    const int height = static_cast<int>(std::lround(rect().height() * ratio));
    const auto nativeWindow = static_cast<Aspect_Drawable>(winId());

    GlContextHandle glContext = new OpenGl_Context();
    if (!glContext->Init(context()->format().profile() == QSurfaceFormat::CoreProfile)) {
        graphicsFailed_ = true;
        return;
    }
    NeutralWindowHandle window = NeutralWindowHandle::DownCast(view_->Window());
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
    const GlContextHandle glContext = GlContextOf(view_);
    if (glContext.IsNull()) return;
    GlFrameBufferHandle frameBuffer = glContext->DefaultFrameBuffer();
    if (frameBuffer.IsNull()) {
        frameBuffer = new QtFrameBuffer();
        glContext->SetDefaultFrameBuffer(frameBuffer);
    }
    // Qt binds a new framebuffer object after each resize: wrap whichever is current now.
    if (!frameBuffer->InitWrapper(glContext)) {
        graphicsFailed_ = true;
        return;
    }
    const NeutralWindowHandle window = NeutralWindowHandle::DownCast(view_->Window());
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

}  // namespace kestrava::cad::ui
