#pragma once

#include <string_view>

#include "engine/design_record.h"

// Applies X(name) to every double field of DesignRecord, in declaration order.
#define KESTRAVA_DESIGN_RECORD_DOUBLE_FIELDS(X) \
    X(kvaRating)                                \
    X(primaryVoltage)                           \
    X(secondaryVoltage)                         \
    X(lvLayers)                                 \
    X(outputConstant)                           \
    X(coreFluxDensity)                          \
    X(windowSpaceFactor)                        \
    X(currentDensity)                           \
    X(voltagePerTurn)                           \
    X(flux)                                     \
    X(netIronArea)                              \
    X(circumscribingCircleDiameter)             \
    X(coreStepWidthA)                           \
    X(coreStepWidthB)                           \
    X(windowArea)                               \
    X(windowWidth)                              \
    X(windowHeight)                             \
    X(adjacentLimbDistance)                     \
    X(yokeFluxDensity)                          \
    X(netYokeArea)                              \
    X(yokeHeight)                               \
    X(yokeDepth)                                \
    X(frameHeight)                              \
    X(frameWidth)                               \
    X(lvPhaseVoltage)                           \
    X(lvTurnsPerPhase)                          \
    X(lvPhaseCurrent)                           \
    X(lvConductorArea)                          \
    X(lvConductorAxialDepth)                    \
    X(lvConductorRadialDepth)                   \
    X(lvWindingHeight)                          \
    X(lvEndClearance)                           \
    X(lvWindingDepth)                           \
    X(lvInsideDiameter)                         \
    X(lvOutsideDiameter)                        \
    X(hvPhaseCurrent)                           \
    X(hvTurnsPerPhase)                          \
    X(hvTurnsPerCoil)                           \
    X(hvTurnsPerLayer)                          \
    X(hvLayers)                                 \
    X(hvConductorArea)                          \
    X(hvConductorDiameter)                      \
    X(hvCoilHeight)                             \
    X(hvWindingHeight)                          \
    X(hvEndClearance)                           \
    X(hvWindingDepth)                           \
    X(lvHvInsulationThickness)                  \
    X(hvInsideDiameter)                         \
    X(hvOutsideDiameter)                        \
    X(hvCoilClearance)                          \
    X(hvMeanDiameter)                           \
    X(hvMeanTurnLength)                         \
    X(hvResistance75)                           \
    X(lvMeanDiameter)                           \
    X(lvMeanTurnLength)                         \
    X(lvResistance75)                           \
    X(hvEquivalentResistance)                   \
    X(puResistance)                             \
    X(windingMeanDiameter)                      \
    X(windingMeanTurnLength)                    \
    X(meanWindingHeight)                        \
    X(leakageReactance)                         \
    X(puReactance)                              \
    X(puImpedance)                              \
    X(totalCopperLoss)                          \
    X(coreSpecificIronLoss)                     \
    X(coreIronLoss)                             \
    X(yokeWeight)                               \
    X(yokeSpecificIronLoss)                     \
    X(yokeIronLoss)                             \
    X(totalCoreLoss)                            \
    X(totalLosses)                              \
    X(efficiency)                               \
    X(oilLevel)                                 \
    X(tankHeight)                               \
    X(tankLength)                               \
    X(tankWidth)

namespace kestrava {

// Calls visit(name, value) for every double field of 'record'.
template <class Visit>
void ForEachDoubleField(const DesignRecord& record, Visit&& visit) {
#define KESTRAVA_VISIT_FIELD(name) visit(std::string_view(#name), record.name);
    KESTRAVA_DESIGN_RECORD_DOUBLE_FIELDS(KESTRAVA_VISIT_FIELD)
#undef KESTRAVA_VISIT_FIELD
}

}  // namespace kestrava
