#pragma once

#include <utility>
#include <vector>

#include "cad/transformer_model_builder.h"

namespace kestrava::cad::ui {

// The display groups of the model that the step views show and hide together.
enum class SolidGroup {
    LimbPlates,
    Yokes,
    HvWindings,
    LvWindings,
    CoreInsulations,
    LvHvInsulations,
    Tank
};

// The five views that show the transformer as it is assembled.
inline constexpr int kStepViewCount = 5;

// Whether step view 'view' (1-5) shows 'group'.
bool IsShownInStepView(SolidGroup group, int view);

// The 21 solids in the order the step views walk them: limb plates, upper and lower yoke, H.V.
// windings, L.V. windings, L.V.-core insulations, L.V.-H.V. insulations, tank.
std::vector<std::pair<SolidHandle, SolidGroup>> SolidsInViewOrder(const ModelSolids& solids);

// Shows all 21 solids, then hides those step view 'view' leaves out; stops at the first failure.
CadStatus ApplyStepView(const ModelSolids& solids, int view);

}  // namespace kestrava::cad::ui
