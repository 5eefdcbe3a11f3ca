#include "cad/ui/step_views.h"

namespace kestrava::cad::ui {
namespace {

// A solid whose creation failed is an empty handle: requests through it cannot reach anything.
constexpr long kSolidMissing = 1010;

CadStatus SetSolidVisible(const SolidHandle& solid, bool visible) {
    if (!solid) return Fail(CadError{kSolidMissing, "The solid was not created"});
    return solid->SetVisible(visible);
}

}  // namespace

bool IsShownInStepView(SolidGroup group, int view) {
    switch (group) {
        case SolidGroup::LimbPlates:
            return view >= 1;
        case SolidGroup::Yokes:
            return view >= 2;
        case SolidGroup::LvWindings:
        case SolidGroup::CoreInsulations:
        case SolidGroup::LvHvInsulations:
            return view >= 3;
        case SolidGroup::HvWindings:
            return view >= 4;
        case SolidGroup::Tank:
            return view >= 5;
    }
    return false;
}

std::vector<std::pair<SolidHandle, SolidGroup>> SolidsInViewOrder(const ModelSolids& solids) {
    std::vector<std::pair<SolidHandle, SolidGroup>> ordered;
    for (const SolidHandle& plate : solids.limbPlates)
        ordered.emplace_back(plate, SolidGroup::LimbPlates);
    ordered.emplace_back(solids.upperYoke, SolidGroup::Yokes);
    ordered.emplace_back(solids.lowerYoke, SolidGroup::Yokes);
    for (const SolidHandle& solid : solids.hvWindings)
        ordered.emplace_back(solid, SolidGroup::HvWindings);
    for (const SolidHandle& solid : solids.lvWindings)
        ordered.emplace_back(solid, SolidGroup::LvWindings);
    for (const SolidHandle& solid : solids.coreInsulations) {
        ordered.emplace_back(solid, SolidGroup::CoreInsulations);
    }
    for (const SolidHandle& solid : solids.lvHvInsulations) {
        ordered.emplace_back(solid, SolidGroup::LvHvInsulations);
    }
    ordered.emplace_back(solids.tankSolid, SolidGroup::Tank);
    return ordered;
}

CadStatus ApplyStepView(const ModelSolids& solids, int view) {
    const auto ordered = SolidsInViewOrder(solids);
    for (const auto& [solid, group] : ordered) {
        if (CadStatus shown = SetSolidVisible(solid, true); !shown.ok()) return shown;
    }
    for (const auto& [solid, group] : ordered) {
        if (IsShownInStepView(group, view)) continue;
        if (CadStatus hidden = SetSolidVisible(solid, false); !hidden.ok()) return hidden;
    }
    return {};
}

}  // namespace kestrava::cad::ui
