#pragma once

#include "engine/conductor_table.h"
#include "engine/design_record.h"

namespace kestrava {

// Computes both windings of 'record' after its core; false when 'table' has no strip for the
// L.V. conductor (nothing after the lookup is computed then). Turns both voltages into phase
// voltages and sets tableFound.
bool DesignWindings(DesignRecord& record, ConductorTableSource& table);

}  // namespace kestrava
