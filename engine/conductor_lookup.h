#pragma once

#include <string>

#include "engine/conductor_table.h"

namespace kestrava {

// What the strip search found.
struct StripLookup {
    enum class Outcome { Found, NotFound, Error };
    Outcome outcome = Outcome::NotFound;
    ConductorStrip strip;  // the chosen row when Found
    std::string error;     // the failure's description when Error
};

// Finds the strip for 'requiredArea' (mm²): the first row equal to the area rounded to two,
// then to one decimal, else the nearer of the first row above the area and the one before it
// (a tie takes the upper row). Rows are visited in table order.
StripLookup LookupConductorStrip(double requiredArea, ConductorTableSource& table);

}  // namespace kestrava
