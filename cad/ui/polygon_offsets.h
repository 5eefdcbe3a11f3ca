#pragma once

#include <optional>

#include "cad/model_part.h"

namespace kestrava::cad::ui {

// glPolygonOffset factor and units for filled faces.
struct PolygonOffset {
    float factor = 1.0F;
    float units = 0.0F;
};

// Distinct offsets for the core pieces whose faces lie in the same planes (plates and yokes share
// their top, bottom and front faces), so that one of them wins the depth test cleanly. A solid of
// no known part gets the plain offset.
PolygonOffset PolygonOffsetOf(const std::optional<ModelPart>& part);

}  // namespace kestrava::cad::ui
