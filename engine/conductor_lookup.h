#pragma once

#include <optional>
#include <string>

#include "engine/conductor_table.h"
#include "engine/result.h"

namespace kestrava {

// The chosen strip, nothing when no row fits, or the failure's description.
using StripLookup = Result<std::optional<ConductorStrip>, std::string>;

// Finds the strip for 'requiredArea' (mm²): the first row equal to the area rounded to two,
// then to one decimal, else the nearer of the first row above the area and the one before it
// (a tie takes the upper row). Rows are visited in table order.
StripLookup LookupConductorStrip(double requiredArea, ConductorTableSource& table);

}  // namespace kestrava
