#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "cad/cad_automation.h"
#include "cad/model_workspace.h"
#include "cad/tests/edge_case_model.h"
#include "engine/design_record.h"

namespace kestrava::cad::ui::testing {

// Starts headless workspaces (or refuses to, as if none were installed) and keeps hold of them so
// that a test can look at their documents and close their hosts.
class RecordingLauncher : public CadLauncher {
  public:
    CadResult<ApplicationHandle> Create(std::string_view programmaticId) override {
        if (onCreate) onCreate();
        if (refuse) return Fail(CadError{kUnknownProgrammaticId, "No workspace could be started"});
        CadResult<ApplicationHandle> created = headless_.Create(programmaticId);
        if (created.has_value()) {
            workspaces.push_back(std::dynamic_pointer_cast<ModelWorkspace>(created.value()));
        }
        return created;
    }

    ModelDocument& LatestDocument() { return workspaces.back()->Document(); }
    HeadlessHost& LatestHost() { return dynamic_cast<HeadlessHost&>(workspaces.back()->Host()); }

    bool refuse = false;
    std::function<void()> onCreate;  // runs at each start, while the build is under way
    std::vector<std::shared_ptr<ModelWorkspace>> workspaces;

  private:
    HeadlessLauncher headless_;
};

// The edge-case design of the headless model tests: round sizes that are easy to check.
using kestrava::cad::testing::EdgeCaseDesign;

}  // namespace kestrava::cad::ui::testing
