#include "cad/ui/workspace_window.h"

#include <QCloseEvent>
#include <utility>

#include "ui/window_placement.h"

namespace kestrava::cad::ui {
WorkspaceWindow::WorkspaceWindow(std::shared_ptr<ModelDocument> document, QWidget* parent)
    : QMainWindow(parent), viewer_(new ModelViewer(std::move(document), this)) {
    setObjectName(QStringLiteral("workspaceWindow"));
    setWindowTitle(QStringLiteral("Kestrava 3-D: Trans1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(viewer_);
    resize(1024, 720);
}

void WorkspaceWindow::closeEvent(QCloseEvent* event) {
    closed_ = true;
    QMainWindow::closeEvent(event);
}

WorkspaceWindow* WorkspaceWindowHost::OpenWindow() const {
    WorkspaceWindow* window = window_.data();
    return window != nullptr && !window->WasClosed() ? window : nullptr;
}

bool WorkspaceWindowHost::IsOpen() const {
    return OpenWindow() != nullptr;
}

void WorkspaceWindowHost::SetWindowState(WindowState state) {
    WorkspaceWindow* window = OpenWindow();
    if (window == nullptr) return;
    Qt::WindowStates states = Qt::WindowNoState;
    if (state == WindowState::Maximised && companion_ != nullptr && companion_->isVisible()) {
        kestrava::ui::FillBeside(window, companion_);
    } else if (state == WindowState::Maximised) {
        states = Qt::WindowMaximized;
    }
    if (state == WindowState::Minimised) states = Qt::WindowMinimized;
    // A hidden window keeps the state and takes it when it is shown.
    window->setWindowState(states);
}

void WorkspaceWindowHost::SetVisible(bool visible) {
    if (WorkspaceWindow* window = OpenWindow()) window->setVisible(visible);
}

void WorkspaceWindowHost::ZoomExtents() {
    if (WorkspaceWindow* window = OpenWindow()) window->Viewer().FitAll();
}

void WorkspaceWindowHost::BringToForeground() {
    if (WorkspaceWindow* window = OpenWindow()) {
        window->raise();
        window->activateWindow();
    }
}

void WorkspaceWindowHost::Quit() {
    if (WorkspaceWindow* window = OpenWindow()) window->close();
}

}  // namespace kestrava::cad::ui
