#pragma once

#include <optional>
#include <string>

#include "engine/core_steel.h"

namespace kestrava {

// The choices a design run makes before it computes anything; the fixed rules take them from the
// kVA rating alone, a design search varies them.
struct DesignRules {
    double outputConstant = 0.0;        // K before the 0.015 correction
    double coreFluxDensity = 0.0;       // Bm in the limbs, Wb/m²
    double spaceFactorNumerator = 0.0;  // c in Kw = c / (30 + kV)
    double currentDensity = 0.0;        // δ in both windings, A/mm²
    double windowRatio = 0.0;           // window height / width
    int parallelStrips = 1;             // L.V. strips side by side, radially
    std::string steel;                  // core steel name

    bool operator==(const DesignRules&) const = default;
};

// The rules of the rating class that holds 'kva', with one strip, a 2.5 window and legacy steel.
DesignRules FixedDesignRules(double kva);

// Refuses a run by 'rules' with 'steel' (the steel they name) that must not start: a value that
// is not a positive finite number, fewer than one strip, or a flux density outside the steel's
// curves.
Result<void, std::string> CheckRules(const DesignRules& rules, const CoreSteel& steel);

}  // namespace kestrava
