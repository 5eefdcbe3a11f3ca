#include "cad/ui/workspace_window.h"

#include <QCloseEvent>
#include <utility>

namespace kestrava::cad::ui {
namespace {

constexpr int kStateMinimised = 2;
constexpr int kStateMaximised = 3;

}  // namespace

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

bool WorkspaceWindowHost::IsOpen() const {
    return window_ && !window_->WasClosed();
}

void WorkspaceWindowHost::SetWindowState(int state) {
    if (!IsOpen()) return;
    Qt::WindowStates states = Qt::WindowNoState;
    if (state == kStateMaximised) states = Qt::WindowMaximized;
    if (state == kStateMinimised) states = Qt::WindowMinimized;
    // A hidden window keeps the state and takes it when it is shown.
    window_->setWindowState(states);
}

void WorkspaceWindowHost::SetVisible(bool visible) {
    if (IsOpen()) window_->setVisible(visible);
}

void WorkspaceWindowHost::ZoomExtents() {
    if (IsOpen()) window_->Viewer().FitAll();
}

void WorkspaceWindowHost::BringToForeground() {
    if (!IsOpen()) return;
    window_->raise();
    window_->activateWindow();
}

void WorkspaceWindowHost::Quit() {
    if (IsOpen()) window_->close();
}

}  // namespace kestrava::cad::ui
