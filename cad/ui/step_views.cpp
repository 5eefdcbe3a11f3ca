#include "cad/ui/step_views.h"

#include <utility>
#include <vector>

namespace kestrava::cad::ui {
namespace {

CadStatus SetSolidVisible(const SolidHandle& solid, bool visible) {
    if (!solid) return Fail(CadError{kSolidMissing, "The solid was not created"});
    return solid->SetVisible(visible);
}

// Whether step view 'view' (1-5) shows the parts of 'kind'.
bool IsShownInStepView(PartKind kind, int view) {
    switch (kind) {
        case PartKind::LimbWidePlate:
        case PartKind::LimbCrossPlate:
            return view >= 1;
        case PartKind::UpperYoke:
        case PartKind::LowerYoke:
            return view >= 2;
        case PartKind::LvWinding:
        case PartKind::CoreInsulation:
        case PartKind::LvHvInsulation:
            return view >= 3;
        case PartKind::HvWinding:
            return view >= 4;
        case PartKind::Tank:
            return view >= 5;
    }
    return false;
}

// The 21 solids in the order the step views walk them: limb plates, upper and lower yoke, H.V.
// windings, L.V. windings, L.V.-core insulations, L.V.-H.V. insulations, tank.
std::vector<std::pair<SolidHandle, PartKind>> SolidsInViewOrder(const ModelSolids& solids) {
    std::vector<std::pair<SolidHandle, PartKind>> ordered;
    const auto add = [&ordered](const auto& set, PartKind kind) {
        for (const SolidHandle& solid : set) ordered.emplace_back(solid, kind);
    };
    for (std::size_t i = 0; i < solids.limbPlates.size(); ++i) {
        const bool wide = i % 2 == 0;  // each limb: its wide plate, then its cross plate
        ordered.emplace_back(solids.limbPlates[i],
                             wide ? PartKind::LimbWidePlate : PartKind::LimbCrossPlate);
    }
    ordered.emplace_back(solids.upperYoke, PartKind::UpperYoke);
    ordered.emplace_back(solids.lowerYoke, PartKind::LowerYoke);
    add(solids.hvWindings, PartKind::HvWinding);
    add(solids.lvWindings, PartKind::LvWinding);
    add(solids.coreInsulations, PartKind::CoreInsulation);
    add(solids.lvHvInsulations, PartKind::LvHvInsulation);
    ordered.emplace_back(solids.tankSolid, PartKind::Tank);
    return ordered;
}

}  // namespace

CadStatus ApplyStepView(const ModelSolids& solids, int view) {
    const auto ordered = SolidsInViewOrder(solids);
    for (const auto& [solid, kind] : ordered) {
        if (CadStatus shown = SetSolidVisible(solid, true); !shown.has_value()) return shown;
    }
    for (const auto& [solid, kind] : ordered) {
        if (IsShownInStepView(kind, view)) continue;
        if (CadStatus hidden = SetSolidVisible(solid, false); !hidden.has_value()) return hidden;
    }
    return {};
}

}  // namespace kestrava::cad::ui
