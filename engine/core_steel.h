#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/result.h"

namespace kestrava {

inline constexpr const char* kLegacySteelName = "legacy";

// Specific loss (W/kg) against flux density (Wb/m²), linear between points of ascending flux.
struct LossCurve {
    std::vector<double> fluxDensity;
    std::vector<double> loss;

    bool Covers(double flux) const;
    // The loss at 'flux', which the curve must cover; a point's own value is returned unchanged.
    double At(double flux) const;
};

// A core steel: its loss curves, how the yoke's loss is keyed, and its price.
struct CoreSteel {
    std::string name;
    double pricePerKg = 0.0;
    double buildingFactor = 1.0;       // multiplies both curve values
    LossCurve limb;                    // keyed by the limb flux density
    LossCurve yoke;                    // keyed as 'yokeKeyedByLimbFlux' says
    bool yokeKeyedByLimbFlux = false;  // true: by the limb's flux; false: by the yoke's own
};

struct SpecificIronLosses {
    double limb = 0.0;
    double yoke = 0.0;
};

// The steel of the fixed rules: the two tables of the fixed rating classes, keyed by the limb
// flux density.
const CoreSteel& LegacySteel();

// Refuses a limb flux of 'limbFlux' and a yoke flux of 'yokeFlux' that 'steel' cannot carry.
Result<void, std::string> CheckFluxOnCurves(const CoreSteel& steel, double limbFlux,
                                            double yokeFlux);

// Specific losses of limbs and yokes; both fluxes must be covered.
SpecificIronLosses SpecificLosses(const CoreSteel& steel, double limbFlux, double yokeFlux);

}  // namespace kestrava
