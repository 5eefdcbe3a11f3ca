#pragma once

#include "engine/core_steel.h"
#include "engine/design_record.h"

namespace kestrava {

// Computes resistances, impedance, losses, efficiency and tank of 'record' after its windings,
// with the specific iron losses of 'steel', which must cover the record's flux densities.
void DesignPerformance(DesignRecord& record, const CoreSteel& steel);

}  // namespace kestrava
