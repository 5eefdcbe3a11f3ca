#include "engine/core_steel.h"

#include <algorithm>
#include <cstddef>
#include <sstream>

namespace kestrava {
namespace {

std::string OutsideText(const CoreSteel& steel, const LossCurve& curve, const char* part,
                        double flux) {
    std::ostringstream text;
    text << "a " << part << " flux density of " << flux << " T is outside the "
         << curve.fluxDensity.front() << " to " << curve.fluxDensity.back()
         << " T curve of the steel \"" << steel.name << '"';
    return text.str();
}

}  // namespace

bool LossCurve::Covers(double flux) const {
    return !fluxDensity.empty() && flux >= fluxDensity.front() && flux <= fluxDensity.back();
}

double LossCurve::At(double flux) const {
    const auto upper = std::lower_bound(fluxDensity.begin(), fluxDensity.end(), flux);
    const auto i = static_cast<std::size_t>(upper - fluxDensity.begin());
    if (fluxDensity[i] == flux) return loss[i];
    const double share = (flux - fluxDensity[i - 1]) / (fluxDensity[i] - fluxDensity[i - 1]);
    return loss[i - 1] + (loss[i] - loss[i - 1]) * share;
}

const CoreSteel& LegacySteel() {
    static const CoreSteel steel{kLegacySteelName,
                                 2.5,
                                 1.0,
                                 {{1.0, 1.1, 1.25, 1.4}, {1.2, 1.3, 1.7, 2.3}},
                                 {{1.0, 1.1, 1.25, 1.4}, {0.85, 1.0, 1.2, 1.6}},
                                 true};
    return steel;
}

Result<void, std::string> CheckFluxOnCurves(const CoreSteel& steel, double limbFlux,
                                            double yokeFlux) {
    if (!steel.limb.Covers(limbFlux)) return Fail(OutsideText(steel, steel.limb, "limb", limbFlux));
    if (steel.yokeKeyedByLimbFlux) {
        if (!steel.yoke.Covers(limbFlux)) {
            return Fail(OutsideText(steel, steel.yoke, "limb", limbFlux));
        }
    } else if (!steel.yoke.Covers(yokeFlux)) {
        return Fail(OutsideText(steel, steel.yoke, "yoke", yokeFlux));
    }
    return {};
}

SpecificIronLosses SpecificLosses(const CoreSteel& steel, double limbFlux, double yokeFlux) {
    const double yokeKey = steel.yokeKeyedByLimbFlux ? limbFlux : yokeFlux;
    return {steel.limb.At(limbFlux) * steel.buildingFactor,
            steel.yoke.At(yokeKey) * steel.buildingFactor};
}

}  // namespace kestrava
