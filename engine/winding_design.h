#pragma once

#include "engine/conductor_table.h"
#include "engine/design_record.h"

namespace kestrava {

// The L.V. steps before the strip lookup: phase voltage (the secondary becomes a phase voltage),
// turns, current and the required conductor area. Returns the area each of 'parallelStrips'
// strips must carry.
double DesignLvStripArea(DesignRecord& record, int parallelStrips);

// Both windings from the strip chosen for DesignLvStripArea's area, laid 'parallelStrips' side by
// side radially; turns the primary into a phase voltage and sets tableFound.
void DesignWindingsWithStrip(DesignRecord& record, const ConductorStrip& strip, int parallelStrips);

// Computes both windings of 'record' after its core; false when 'table' has no strip for the
// L.V. conductor (nothing after the lookup is computed then).
bool DesignWindings(DesignRecord& record, ConductorTableSource& table, int parallelStrips);

}  // namespace kestrava
