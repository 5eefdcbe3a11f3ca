#include "engine/performance_design.h"

#include "engine/checked_math.h"
#include "engine/design_constants.h"

namespace kestrava {
namespace {

constexpr double kCopperResistivity75 = 0.021;  // Ω·mm²/m at 75 °C
constexpr double kStrayLossFactor = 1.15;
constexpr double kLimbIronDensity = 22.8;  // three limbs × 7.6 kg per 10⁶ mm³
constexpr double kIronDensity = 7.6;       // kg per 10⁶ mm³
constexpr double kOilAboveYoke = 50.0;     // mm
constexpr double kTankHeightAllowances[] = {50.0, 150.0, 200.0};  // mm, added in this order
constexpr double kTankLengthAllowance = 80.0;                     // mm
constexpr double kTankWidthAllowance = 100.0;                     // mm

void DesignResistance(DesignRecord& r, double principalTurns) {
    r.hvMeanDiameter = (r.hvInsideDiameter + r.hvOutsideDiameter) / 2;
    r.hvMeanTurnLength = kPi * r.hvMeanDiameter / 1e3;
    r.hvResistance75 =
        Divide(kCopperResistivity75 * principalTurns * r.hvMeanTurnLength, r.hvConductorArea);
    r.lvMeanDiameter = (r.lvInsideDiameter + r.lvOutsideDiameter) / 2;
    r.lvMeanTurnLength = kPi * r.lvMeanDiameter / 1e3;
    r.lvResistance75 =
        Divide(kCopperResistivity75 * r.lvTurnsPerPhase * r.lvMeanTurnLength, r.lvConductorArea);
    const double turnsRatio = Divide(principalTurns, r.lvTurnsPerPhase);
    r.hvEquivalentResistance = r.hvResistance75 + turnsRatio * turnsRatio * r.lvResistance75;
    r.puResistance = Divide(r.hvEquivalentResistance * r.hvPhaseCurrent, r.primaryVoltage);
}

void DesignReactance(DesignRecord& r, double principalTurns) {
    const double f = r.frequency;
    r.windingMeanDiameter = (r.lvInsideDiameter + r.hvOutsideDiameter) / 2;
    r.windingMeanTurnLength = kPi * r.windingMeanDiameter / 1e3;
    r.meanWindingHeight = (r.hvWindingHeight + r.lvWindingHeight) / 2;
    r.leakageReactance = (kMu0 * kTwoPi * f) * (principalTurns * principalTurns) *
                         Divide(r.windingMeanTurnLength, r.meanWindingHeight) *
                         (r.lvHvInsulationThickness + (r.hvWindingDepth + r.lvWindingDepth) / 3);
    r.puReactance = Divide(r.leakageReactance * r.hvPhaseCurrent, r.primaryVoltage);
    r.puImpedance = SquareRoot(r.puResistance * r.puResistance + r.puReactance * r.puReactance);
}

void DesignLosses(DesignRecord& r, const CoreSteel& steel) {
    const SpecificIronLosses specific = SpecificLosses(steel, r.coreFluxDensity, r.yokeFluxDensity);
    const double kva = r.kvaRating;
    r.totalCopperLoss =
        3 * (r.hvPhaseCurrent * r.hvPhaseCurrent) * r.hvEquivalentResistance * kStrayLossFactor;
    r.coreSpecificIronLoss = specific.limb;
    r.coreIronLoss =
        r.coreSpecificIronLoss * (kLimbIronDensity * 1e3 * r.netIronArea * r.windowHeight / 1e9);
    r.yokeWeight =
        2 * (2 * r.adjacentLimbDistance + r.coreStepWidthA) * r.netYokeArea * kIronDensity / 1e6;
    r.yokeSpecificIronLoss = specific.yoke;
    r.yokeIronLoss = r.yokeWeight * r.yokeSpecificIronLoss;
    r.totalCoreLoss = r.coreIronLoss + r.yokeIronLoss;
    r.totalLosses = r.totalCopperLoss + r.totalCoreLoss;
    r.efficiency = Divide(kva * 1000, r.totalLosses + kva * 1000) * 100;
}

void DesignTank(DesignRecord& r) {
    r.oilLevel = (r.yokeHeight + kOilAboveYoke) / 1e3;
    double height = r.windowHeight + 2 * r.yokeHeight;
    for (const double allowance : kTankHeightAllowances) height = height + allowance;
    r.tankHeight = height / 1e3;
    r.tankLength = (2 * r.adjacentLimbDistance + r.hvOutsideDiameter + kTankLengthAllowance) / 1e3;
    r.tankWidth = (r.hvOutsideDiameter + kTankWidthAllowance) / 1e3;
}

}  // namespace

void DesignPerformance(DesignRecord& record, const CoreSteel& steel) {
    // Turns at the principal tap: the resistances and reactance exclude the tapping turns.
    const double principalTurns =
        Divide(record.primaryVoltage * record.lvTurnsPerPhase, record.secondaryVoltage);
    DesignResistance(record, principalTurns);
    DesignReactance(record, principalTurns);
    DesignLosses(record, steel);
    DesignTank(record);
}

}  // namespace kestrava
