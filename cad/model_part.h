#pragma once

#include <string>

namespace kestrava::cad {

// What a solid of the transformer model is. The step views, the viewer's look and the drawings
// tell the solids apart by it.
enum class PartKind {
    LimbWidePlate,
    LimbCrossPlate,
    UpperYoke,
    LowerYoke,
    HvWinding,
    LvWinding,
    CoreInsulation,  // between the L.V. winding and the core
    LvHvInsulation,  // between the L.V. and the H.V. winding
    Tank,
};

// One solid of the model: its kind and, for the parts there is one of on each limb, the limb (1-3).
struct ModelPart {
    PartKind kind = PartKind::Tank;
    int limb = 0;

    bool operator==(const ModelPart&) const = default;
};

// The name the part carries in saved files: "Limb 2 cross plate", "H.V. winding 3", "Tank".
std::string PartName(ModelPart part);

}  // namespace kestrava::cad
