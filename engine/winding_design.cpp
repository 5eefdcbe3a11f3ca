#include "engine/winding_design.h"

#include <cmath>

#include "engine/checked_math.h"
#include "engine/conductor_lookup.h"
#include "engine/connection_type.h"
#include "engine/design_constants.h"

namespace kestrava {
namespace {

constexpr double kLvRadialAllowance = 1.0;  // mm added to the L.V. radial depth
constexpr double kCoreToLvAllowance = 3.0;  // mm between limb circle and L.V. inside diameter
constexpr double kVoltsPerHvCoil = 1500.0;
constexpr double kLayerVoltageLimit = 130.0;   // 2 × turns per layer × Et
constexpr double kConductorCovering = 0.25;    // mm on the bare H.V. conductor
constexpr double kInterLayerInsulation = 0.3;  // mm between H.V. layers
constexpr double kCoilSpacer = 5.0;            // mm between H.V. coils
constexpr double kInsulationPerKv = 0.9;       // mm per kV of H.V. phase voltage
constexpr double kInsulationBase = 5.0;        // mm

void DesignLvWinding(DesignRecord& r, const ConductorStrip& strip, int parallelStrips) {
    r.tableFound = true;
    r.lvConductorAxialDepth = strip.width;
    r.lvConductorRadialDepth = strip.thickness * parallelStrips;
    r.lvConductorArea = r.lvConductorAxialDepth * r.lvConductorRadialDepth;
    r.lvWindingHeight = (r.lvTurnsPerPhase / r.lvLayers + 1) * r.lvConductorAxialDepth;
    r.lvEndClearance = (r.windowHeight - r.lvWindingHeight) / 2;
    r.lvWindingDepth = r.lvConductorRadialDepth * r.lvLayers + kLvRadialAllowance;
    r.lvInsideDiameter = r.circumscribingCircleDiameter + kCoreToLvAllowance;
    r.lvOutsideDiameter = r.lvInsideDiameter + 2 * r.lvWindingDepth;
}

void DesignHvWinding(DesignRecord& r) {
    const double kva = r.kvaRating;
    const double et = r.voltagePerTurn;
    if (IsHvStar(r.connectionType)) r.primaryVoltage = r.primaryVoltage / std::sqrt(3.0);
    const double v1 = r.primaryVoltage;
    r.hvPhaseCurrent = Divide(kva * 1000, v1 * 3);
    r.hvTurnsPerPhase = Divide(v1 * r.lvTurnsPerPhase, r.secondaryVoltage);
    r.hvTurnsPerPhase = (r.tapping / 100.0 + 1) * r.hvTurnsPerPhase;
    r.hvCoilCount = RoundToCount(v1 / kVoltsPerHvCoil);
    r.hvTurnsPerCoil = Divide(r.hvTurnsPerPhase, r.hvCoilCount);
    r.hvLayerCount =
        RoundToCount(Divide(2 * r.hvTurnsPerPhase * et, r.hvCoilCount * kLayerVoltageLimit));
    r.hvTurnsPerLayer = Divide(kLayerVoltageLimit, 2 * et);
    r.hvLayers = Divide(r.hvTurnsPerCoil, r.hvTurnsPerLayer);
    r.hvConductorArea = r.hvPhaseCurrent / r.currentDensity;
    r.hvConductorDiameter = SquareRoot((4 / kPi) * r.hvConductorArea);
    r.hvCoilHeight = r.hvTurnsPerLayer * (r.hvConductorDiameter + kConductorCovering);
    r.hvWindingHeight = r.hvCoilCount * r.hvCoilHeight + kCoilSpacer * r.hvCoilCount;
    r.hvEndClearance = (r.windowHeight - r.hvWindingHeight) / 2;
    r.hvWindingDepth = r.hvLayerCount * (r.hvConductorDiameter + kConductorCovering) +
                       (r.hvLayerCount - 1) * kInterLayerInsulation;
    r.lvHvInsulationThickness = v1 * kInsulationPerKv / 1000 + kInsulationBase;
    r.hvInsideDiameter = r.lvOutsideDiameter + 2 * r.lvHvInsulationThickness;
    r.hvOutsideDiameter = r.hvInsideDiameter + 2 * r.hvWindingDepth;
    r.hvCoilClearance = r.adjacentLimbDistance - r.hvOutsideDiameter;
}

}  // namespace

double DesignLvStripArea(DesignRecord& r, int parallelStrips) {
    const double kva = r.kvaRating;
    if (IsLvStar(r.connectionType)) {
        r.lvPhaseVoltage = r.secondaryVoltage / std::sqrt(3.0);
        r.secondaryVoltage = r.lvPhaseVoltage;
    } else {
        r.lvPhaseVoltage = r.secondaryVoltage;
    }
    const double v2 = r.secondaryVoltage;
    r.lvTurnsPerPhase = Divide(v2, r.voltagePerTurn);
    r.lvPhaseCurrent = Divide(kva * 1000, v2 * 3);
    r.lvConductorArea = r.lvPhaseCurrent / r.currentDensity;
    return r.lvConductorArea / parallelStrips;
}

void DesignWindingsWithStrip(DesignRecord& record, const ConductorStrip& strip,
                             int parallelStrips) {
    DesignLvWinding(record, strip, parallelStrips);
    DesignHvWinding(record);
}

bool DesignWindings(DesignRecord& record, ConductorTableSource& table, int parallelStrips) {
    const StripLookup lookup =
        LookupConductorStrip(DesignLvStripArea(record, parallelStrips), table);
    if (!lookup.has_value()) throw RunTimeError(lookup.error());
    if (!lookup.value()) return false;
    DesignWindingsWithStrip(record, *lookup.value(), parallelStrips);
    return true;
}

}  // namespace kestrava
