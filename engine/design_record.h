#pragma once

#include <cstdint>

#include "engine/connection_type.h"

namespace kestrava {

// The ratings of one transformer as the parameter window stores them before a run.
struct DesignInputs {
    double kvaRating = 0.0;
    double primaryVoltage = 0.0;    // H.V. line voltage, V
    double secondaryVoltage = 0.0;  // L.V. line voltage, V
    std::int16_t frequency = 0;     // Hz
    ConnectionType connectionType = ConnectionType::DeltaStar;
    std::int16_t tapping = 0;  // %
};

// Every quantity of one design. Lengths in mm, areas in mm², mean turns and tank in m.
struct DesignRecord {
    // Inputs; after a run the two voltages hold phase voltages.
    double kvaRating = 0.0;
    double primaryVoltage = 0.0;
    double secondaryVoltage = 0.0;
    std::int16_t frequency = 0;
    ConnectionType connectionType = ConnectionType::DeltaStar;
    std::int16_t tapping = 0;

    bool engineError = false;
    bool tableFound = false;

    // Core, yoke, window and frame.
    double lvLayers = 0.0;
    double outputConstant = 0.0;
    double coreFluxDensity = 0.0;
    double windowSpaceFactor = 0.0;
    double currentDensity = 0.0;
    double voltagePerTurn = 0.0;
    double flux = 0.0;
    double netIronArea = 0.0;
    double circumscribingCircleDiameter = 0.0;
    double coreStepWidthA = 0.0;
    double coreStepWidthB = 0.0;
    double windowArea = 0.0;
    double windowWidth = 0.0;
    double windowHeight = 0.0;
    double adjacentLimbDistance = 0.0;
    double yokeFluxDensity = 0.0;
    double netYokeArea = 0.0;
    double yokeHeight = 0.0;
    double yokeDepth = 0.0;
    double frameHeight = 0.0;
    double frameWidth = 0.0;

    // Windings.
    double lvPhaseVoltage = 0.0;
    double lvTurnsPerPhase = 0.0;
    double lvPhaseCurrent = 0.0;
    double lvConductorArea = 0.0;
    double lvConductorAxialDepth = 0.0;
    double lvConductorRadialDepth = 0.0;
    double lvWindingHeight = 0.0;
    double lvEndClearance = 0.0;
    double lvWindingDepth = 0.0;
    double lvInsideDiameter = 0.0;
    double lvOutsideDiameter = 0.0;
    double hvPhaseCurrent = 0.0;
    double hvTurnsPerPhase = 0.0;
    std::int16_t hvCoilCount = 0;
    double hvTurnsPerCoil = 0.0;
    std::int16_t hvLayerCount = 0;
    double hvTurnsPerLayer = 0.0;
    double hvLayers = 0.0;
    double hvConductorArea = 0.0;
    double hvConductorDiameter = 0.0;
    double hvCoilHeight = 0.0;
    double hvWindingHeight = 0.0;
    double hvEndClearance = 0.0;
    double hvWindingDepth = 0.0;
    double lvHvInsulationThickness = 0.0;
    double hvInsideDiameter = 0.0;
    double hvOutsideDiameter = 0.0;
    double hvCoilClearance = 0.0;

    // Performance and tank.
    double hvMeanDiameter = 0.0;
    double hvMeanTurnLength = 0.0;
    double hvResistance75 = 0.0;
    double lvMeanDiameter = 0.0;
    double lvMeanTurnLength = 0.0;
    double lvResistance75 = 0.0;
    double hvEquivalentResistance = 0.0;
    double puResistance = 0.0;
    double windingMeanDiameter = 0.0;
    double windingMeanTurnLength = 0.0;
    double meanWindingHeight = 0.0;
    double leakageReactance = 0.0;
    double puReactance = 0.0;
    double puImpedance = 0.0;
    double totalCopperLoss = 0.0;
    double coreSpecificIronLoss = 0.0;
    double coreIronLoss = 0.0;
    double yokeWeight = 0.0;
    double yokeSpecificIronLoss = 0.0;
    double yokeIronLoss = 0.0;
    double totalCoreLoss = 0.0;
    double totalLosses = 0.0;
    double efficiency = 0.0;
    double oilLevel = 0.0;
    double tankHeight = 0.0;
    double tankLength = 0.0;
    double tankWidth = 0.0;
};

// True when a winding is taller than the window or adjacent H.V. windings overlap.
inline bool IsDesignInconsistent(const DesignRecord& r) {
    const bool hvOverlap = r.hvCoilClearance < 0;
    const bool hvTooTall = r.hvEndClearance < 0;
    const bool lvTooTall = r.lvEndClearance < 0;
    return hvOverlap || hvTooTall || lvTooTall;
}

}  // namespace kestrava
