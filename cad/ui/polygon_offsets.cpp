#include "cad/ui/polygon_offsets.h"

namespace kestrava::cad::ui {

PolygonOffset PolygonOffsetOf(const std::optional<ModelPart>& part) {
    if (!part) return {};
    switch (part->kind) {
        case PartKind::LimbCrossPlate:
            return {1.0F, 3.0F};
        case PartKind::LimbWidePlate:
            return {1.0F, 6.0F};
        case PartKind::Tank:
            return {1.0F, 9.0F};
        case PartKind::UpperYoke:
        case PartKind::LowerYoke:
        case PartKind::HvWinding:
        case PartKind::LvWinding:
        case PartKind::CoreInsulation:
        case PartKind::LvHvInsulation:
            break;
    }
    return {};
}

}  // namespace kestrava::cad::ui
