#pragma once

#include <string_view>

namespace kestrava::cad::ui {

// The parts of the transformer that share a depth offset in the viewer.
enum class DisplayGroup { LimbWidePlate, LimbCrossPlate, Yoke, Winding, Insulation, Tank, Other };

// The group of a model solid, from the name the model build gives it.
DisplayGroup DisplayGroupOfSolid(std::string_view solidName);

// glPolygonOffset factor and units for filled faces of a group.
struct PolygonOffset {
    float factor = 1.0F;
    float units = 0.0F;
};

// Distinct offsets for the core pieces whose faces lie in the same planes (plates and yokes share
// their top, bottom and front faces), so that one of them wins the depth test cleanly.
PolygonOffset PolygonOffsetOf(DisplayGroup group);

}  // namespace kestrava::cad::ui
