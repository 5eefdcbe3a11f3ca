#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "cad/cad_automation.h"
#include "cad/model_workspace.h"
#include "engine/design_record.h"

namespace kestrava::cad::ui::testing {

// Starts headless workspaces (or refuses to, as if none were installed) and keeps hold of them so
// that a test can look at their documents and close their hosts.
class RecordingLauncher : public CadLauncher {
  public:
    CadResult<ApplicationHandle> Create(std::string_view programmaticId) override {
        if (refuse) return CadError{kUnknownProgrammaticId, "No workspace could be started"};
        CadResult<ApplicationHandle> created = headless_.Create(programmaticId);
        if (created.ok()) {
            workspaces.push_back(std::dynamic_pointer_cast<ModelWorkspace>(created.value()));
        }
        return created;
    }

    ModelDocument& LatestDocument() { return workspaces.back()->Document(); }
    HeadlessHost& LatestHost() { return dynamic_cast<HeadlessHost&>(workspaces.back()->Host()); }

    bool refuse = false;
    std::vector<std::shared_ptr<ModelWorkspace>> workspaces;

  private:
    HeadlessLauncher headless_;
};

// A small design with round sizes: core of 200 mm, limbs 350 mm apart, a 1.2 x 0.6 x 1 m tank.
inline DesignRecord SampleDesign() {
    DesignRecord r;
    r.circumscribingCircleDiameter = 200.0;
    r.coreStepWidthB = 106.0;
    r.windowHeight = 400.0;
    r.adjacentLimbDistance = 350.0;
    r.yokeHeight = 170.0;
    r.yokeDepth = 170.0;
    r.frameHeight = 740.0;
    r.frameWidth = 870.0;
    r.hvWindingHeight = 300.0;
    r.hvOutsideDiameter = 330.0;
    r.hvInsideDiameter = 270.0;
    r.lvOutsideDiameter = 250.0;
    r.lvInsideDiameter = 210.0;
    r.tankLength = 1.2;
    r.tankWidth = 0.6;
    r.tankHeight = 1.0;
    return r;
}

}  // namespace kestrava::cad::ui::testing
