#pragma once

#include "engine/core_design.h"
#include "engine/design_record.h"

namespace kestrava {

// Computes resistances, impedance, losses, efficiency and tank of 'record' after its windings,
// with the specific iron losses of 'ratingClass'.
void DesignPerformance(DesignRecord& record, const RatingClass& ratingClass);

}  // namespace kestrava
