#include "cad/ui/viewer_launcher.h"

#include <memory>
#include <string>

#include "cad/model_workspace.h"

namespace kestrava::cad::ui {

ViewerLauncher::~ViewerLauncher() {
    for (const QPointer<WorkspaceWindow>& window : windows_) delete window.data();
}

CadResult<ApplicationHandle> ViewerLauncher::Create(std::string_view programmaticId) {
    if (programmaticId != kWorkspaceProgrammaticId) {
        return CadError{kUnknownProgrammaticId, "No workspace answers to the identifier \"" +
                                                    std::string(programmaticId) + "\""};
    }
    auto host = std::make_shared<WorkspaceWindowHost>();
    auto workspace = std::make_shared<ModelWorkspace>(host);
    auto* window = new WorkspaceWindow(workspace->SharedDocument());
    host->SetWindow(window);
    windows_.emplace_back(window);
    return ApplicationHandle(workspace);
}

WorkspaceWindow* ViewerLauncher::LatestWindow() const {
    if (windows_.empty() || !windows_.back() || windows_.back()->WasClosed()) return nullptr;
    return windows_.back().data();
}

}  // namespace kestrava::cad::ui
