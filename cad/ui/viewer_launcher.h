#pragma once

#include <QPointer>
#include <string_view>
#include <vector>

#include "cad/cad_automation.h"
#include "cad/ui/workspace_window.h"

namespace kestrava::cad::ui {

// Starts a new ModelWorkspace shown in its own WorkspaceWindow for each Create of the workspace
// identifier. Earlier windows stay open until the user closes them; those still open when the
// launcher goes are closed with it.
class ViewerLauncher : public CadLauncher {
  public:
    ViewerLauncher() = default;
    ViewerLauncher(const ViewerLauncher&) = delete;
    ViewerLauncher& operator=(const ViewerLauncher&) = delete;
    ~ViewerLauncher() override;

    CadResult<ApplicationHandle> Create(std::string_view programmaticId) override;
    // Workspaces started from now on open beside 'companion' rather than over it.
    void KeepClearOf(QWidget* companion) { companion_ = companion; }

    // The window of the latest workspace, or null once it is closed or if none was started.
    WorkspaceWindow* LatestWindow() const;

  private:
    std::vector<QPointer<WorkspaceWindow>> windows_;
    QPointer<QWidget> companion_;
};

}  // namespace kestrava::cad::ui
