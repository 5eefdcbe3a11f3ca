#include "cad/model_part.h"

namespace kestrava::cad {

std::string PartName(ModelPart part) {
    const std::string limb = std::to_string(part.limb);
    switch (part.kind) {
        case PartKind::LimbWidePlate:
            return "Limb " + limb + " wide plate";
        case PartKind::LimbCrossPlate:
            return "Limb " + limb + " cross plate";
        case PartKind::UpperYoke:
            return "Upper yoke";
        case PartKind::LowerYoke:
            return "Lower yoke";
        case PartKind::HvWinding:
            return "H.V. winding " + limb;
        case PartKind::LvWinding:
            return "L.V. winding " + limb;
        case PartKind::CoreInsulation:
            return "L.V.-core insulation " + limb;
        case PartKind::LvHvInsulation:
            return "L.V.-H.V. insulation " + limb;
        case PartKind::Tank:
            break;
    }
    return "Tank";
}

}  // namespace kestrava::cad
