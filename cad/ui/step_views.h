#pragma once

#include "cad/transformer_model_builder.h"

namespace kestrava::cad::ui {

// The five views that show the transformer as it is assembled.
inline constexpr int kStepViewCount = 5;

// Shows all 21 solids, then hides those step view 'view' leaves out; stops at the first failure.
CadStatus ApplyStepView(const ModelSolids& solids, int view);

}  // namespace kestrava::cad::ui
