#include "cad/ui/model_viewer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

// Mouse and keyboard: Qt's events become the view controller's gestures.
namespace kestrava::cad::ui {
namespace {

// The view controller's bits for the Qt flags set in 'flags'.
template <class QtFlag, std::size_t N>
unsigned int ControllerBits(QFlags<QtFlag> flags,
                            const std::array<std::pair<QtFlag, unsigned int>, N>& table) {
    unsigned int bits = 0;
    for (const auto& [qtFlag, controllerBit] : table) {
        if (flags.testFlag(qtFlag)) bits |= controllerBit;
    }
    return bits;
}

Aspect_VKeyMouse ToVKeyMouse(Qt::MouseButtons buttons) {
    static constexpr std::array<std::pair<Qt::MouseButton, unsigned int>, 3> kButtons{{
        {Qt::LeftButton, Aspect_VKeyMouse_LeftButton},
        {Qt::MiddleButton, Aspect_VKeyMouse_MiddleButton},
        {Qt::RightButton, Aspect_VKeyMouse_RightButton},
    }};
    return ControllerBits(buttons, kButtons);
}

Aspect_VKeyFlags ToVKeyFlags(Qt::KeyboardModifiers modifiers) {
    static constexpr std::array<std::pair<Qt::KeyboardModifier, unsigned int>, 3> kModifiers{{
        {Qt::ShiftModifier, Aspect_VKeyFlags_SHIFT},
        {Qt::ControlModifier, Aspect_VKeyFlags_CTRL},
        {Qt::AltModifier, Aspect_VKeyFlags_ALT},
    }};
    return ControllerBits(modifiers, kModifiers);
}

}  // namespace

Graphic3d_Vec2i ModelViewer::ViewPoint(const QPointF& position) const {
    const double ratio = devicePixelRatioF();
    return Graphic3d_Vec2i(static_cast<int>(std::lround(position.x() * ratio)),
                           static_cast<int>(std::lround(position.y() * ratio)));
}

void ModelViewer::mousePressEvent(QMouseEvent* event) {
    QOpenGLWidget::mousePressEvent(event);
    ForwardMouseEvent(*event);
}

void ModelViewer::mouseReleaseEvent(QMouseEvent* event) {
    QOpenGLWidget::mouseReleaseEvent(event);
    ForwardMouseEvent(*event);
}

void ModelViewer::mouseMoveEvent(QMouseEvent* event) {
    QOpenGLWidget::mouseMoveEvent(event);
    ForwardMouseEvent(*event);
}

void ModelViewer::ForwardMouseEvent(const QMouseEvent& event) {
    const Graphic3d_Vec2i point = ViewPoint(event.position());
    const Aspect_VKeyMouse buttons = ToVKeyMouse(event.buttons());
    const Aspect_VKeyFlags modifiers = ToVKeyFlags(event.modifiers());
    const bool changed = event.type() == QEvent::MouseMove
                             ? UpdateMousePosition(point, buttons, modifiers, false)
                             : UpdateMouseButtons(point, buttons, modifiers, false);
    if (changed) update();
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

}  // namespace kestrava::cad::ui
