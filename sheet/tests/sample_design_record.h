#pragma once

#include "engine/design_record.h"

namespace kestrava::testing_records {

// A hand-filled record whose values exercise the sheet's number format: half-even ties at the
// fourth decimal, whole values, negatives, a rounding to "-0", tiny and 15-digit values.
inline DesignRecord SampleDesignRecord(ConnectionType connectionType) {
    DesignRecord r;
    r.kvaRating = 100;
    r.frequency = 50;
    r.connectionType = connectionType;
    r.tapping = 5;
    r.primaryVoltage = 6350.85296108588;
    r.secondaryVoltage = 250;
    r.lvLayers = 3;
    r.outputConstant = 0.45;
    r.coreFluxDensity = 1.25;
    r.windowSpaceFactor = 0.2625;
    r.currentDensity = 2.3;
    r.voltagePerTurn = 4.5;
    r.flux = 0.0202642367284676;
    r.netIronArea = 123456789012.34567;
    r.circumscribingCircleDiameter = 160.123456;
    r.coreStepWidthA = 135.5;
    r.coreStepWidthB = 84.03125;  // tie: 84.0312
    r.windowArea = 60037.5;
    r.windowWidth = 150.09375;  // tie: 150.0938
    r.windowHeight = 400;
    r.adjacentLimbDistance = 310.1;
    r.yokeFluxDensity = 1.0417;
    r.netYokeArea = 24146.148;
    r.yokeHeight = 162.2126;
    r.yokeDepth = 135.5;
    r.frameHeight = 724.425;
    r.frameWidth = 755.7;
    r.lvPhaseVoltage = 250;
    r.lvTurnsPerPhase = 42;      // turns per layer 42 / 3 + 1 = 15
    r.lvPhaseCurrent = 0.03125;  // tie: 0.0312
    r.lvConductorArea = 23.15;
    r.lvConductorAxialDepth = 1.0 / 3.0;
    r.lvConductorRadialDepth = 1e-7;
    r.lvWindingHeight = 377.4;
    r.lvEndClearance = 11.3;
    r.lvWindingDepth = 8.52;
    r.lvInsideDiameter = 170.123;
    r.lvOutsideDiameter = 187.163;
    r.hvPhaseCurrent = 0.09375;  // tie: 0.0938
    r.hvTurnsPerPhase = 1157.625;
    r.hvCoilCount = 4;
    r.hvTurnsPerCoil = 289.40625;  // tie: 289.4062
    r.hvLayerCount = 4;
    r.hvTurnsPerLayer = 62.5;     // whole tie: 62
    r.hvLayers = 4.5;             // whole tie: 4
    r.hvConductorArea = 1.40625;  // tie: 1.4062
    r.hvConductorDiameter = 1.338;
    r.hvCoilHeight = 84.5;
    r.hvWindingHeight = 362;
    r.hvEndClearance = 19;
    r.hvWindingDepth = 17.25;
    r.lvHvInsulationThickness = 9.5;
    r.hvInsideDiameter = 205.17;
    r.hvOutsideDiameter = 239.67;
    r.hvCoilClearance = 70.43;
    r.hvMeanDiameter = 222.42;
    r.hvMeanTurnLength = 0.69767;
    r.hvResistance75 = 7.12;
    r.lvMeanDiameter = 178.643;
    r.lvMeanTurnLength = 0.5611;
    r.lvResistance75 = 0.0070245;
    r.puResistance = -0.0125;
    r.puReactance = -0.00001;  // rounds to -0, written "0"
    r.puImpedance = 0.04;
    r.totalCopperLoss = 1234.5;
    r.coreSpecificIronLoss = 1.7;
    r.coreIronLoss = 231.8012;  // weight 136.3536 kg
    r.yokeWeight = 223.6038;
    r.yokeSpecificIronLoss = 1.2;
    r.yokeIronLoss = 268.32456;
    r.totalCoreLoss = 500.12568;
    r.totalLosses = 1734.62568;
    r.efficiency = 98.2747;
    r.oilLevel = 0.1922126;
    r.tankHeight = 1.1244;
    r.tankLength = 0.93987;
    r.tankWidth = 0.33967;
    return r;
}

}  // namespace kestrava::testing_records
