#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "cad/model_document.h"
#include "cad/model_workspace.h"
#include "cad/ui/model_viewer.h"

namespace kestrava::cad::ui {

// The top-level window of one workspace instance: a viewer of its document. It deletes itself
// when closed.
class WorkspaceWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit WorkspaceWindow(std::shared_ptr<ModelDocument> document, QWidget* parent = nullptr);

    ModelViewer& Viewer() { return *viewer_; }
    // True once the window was closed, by the user or by Quit.
    bool WasClosed() const { return closed_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    ModelViewer* viewer_;
    bool closed_ = false;
};

// Lets a ModelWorkspace drive its WorkspaceWindow; reports closed once the window is gone.
class WorkspaceWindowHost : public WorkspaceHost {
  public:
    // 'window' may be set after the workspace exists, since the window needs its document.
    void SetWindow(WorkspaceWindow* window) { window_ = window; }
    // While 'companion' is shown, maximising fills the screen beside it instead of covering it.
    void KeepClearOf(QWidget* companion) { companion_ = companion; }

    bool IsOpen() const override;
    void SetWindowState(WindowState state) override;
    void SetVisible(bool visible) override;
    void ZoomExtents() override;
    void BringToForeground() override;
    void Quit() override;

  private:
    // The window while it is open, else null.
    WorkspaceWindow* OpenWindow() const;

    QPointer<WorkspaceWindow> window_;
    QPointer<QWidget> companion_;
};

}  // namespace kestrava::cad::ui
