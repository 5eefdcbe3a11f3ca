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
        return Fail(CadError{kUnknownProgrammaticId, "No workspace answers to the identifier \"" +
                                                         std::string(programmaticId) + "\""});
    }
    auto host = std::make_shared<WorkspaceWindowHost>();
    auto workspace = std::make_shared<ModelWorkspace>(host);
    auto* window = new WorkspaceWindow(workspace->SharedDocument());
    host->SetWindow(window);
    host->KeepClearOf(companion_);
    windows_.emplace_back(window);
    return ApplicationHandle(workspace);
}

WorkspaceWindow* ViewerLauncher::LatestWindow() const {
    if (windows_.empty()) return nullptr;
    WorkspaceWindow* window = windows_.back().data();
    return window != nullptr && !window->WasClosed() ? window : nullptr;
}

}  // namespace kestrava::cad::ui
