#include "engine/core_design.h"

#include <array>
#include <limits>

#include "engine/checked_math.h"

namespace kestrava {
namespace {

constexpr std::array<RatingClass, 4> kRatingClasses{{
    {25.0, 0.45, 1.0, 8.0, 2.3},
    {50.0, 0.45, 1.1, 9.0, 2.3},
    {200.0, 0.45, 1.25, 10.0, 2.3},
    {std::numeric_limits<double>::infinity(), 0.65, 1.4, 12.0, 2.8},
}};

constexpr double kLvLayers = 3.0;
constexpr double kOutputConstantCorrection = 0.015;  // subtracted from K and from Kw
constexpr double kInducedVoltageFactor = 4.44;
constexpr double kOutputEquationFactor = 3.33;
constexpr double kSpaceFactorKvOffset = 30.0;  // Kw = c / (30 + H.V. kV)
constexpr double kNetAreaFactor = 0.56;        // Ai = 0.56 d² for the two-step limb
constexpr double kLargeStepFactor = 0.85;
constexpr double kSmallStepFactor = 0.53;
constexpr double kYokeToLimbArea = 1.2;

}  // namespace

const RatingClass& SelectRatingClass(double kva) {
    for (std::size_t i = 0; i + 1 < kRatingClasses.size(); ++i) {
        if (kva <= kRatingClasses[i].upperKva) return kRatingClasses[i];
    }
    return kRatingClasses.back();
}

double YokeFluxDensity(double limbFlux) {
    return limbFlux / kYokeToLimbArea;
}

void DesignCore(DesignRecord& r, const DesignRules& rules) {
    const double kva = r.kvaRating;
    const double f = r.frequency;

    r.lvLayers = kLvLayers;
    r.outputConstant = rules.outputConstant;
    r.outputConstant = r.outputConstant - kOutputConstantCorrection;
    r.coreFluxDensity = rules.coreFluxDensity;
    r.windowSpaceFactor =
        Divide(rules.spaceFactorNumerator, kSpaceFactorKvOffset + r.primaryVoltage / 1000);
    r.currentDensity = rules.currentDensity;
    r.voltagePerTurn = r.outputConstant * SquareRoot(kva);
    r.flux = Divide(r.voltagePerTurn, kInducedVoltageFactor * f);
    r.netIronArea = (r.flux / r.coreFluxDensity) * 1e6;
    r.circumscribingCircleDiameter = SquareRoot(r.netIronArea / kNetAreaFactor);
    r.coreStepWidthA = kLargeStepFactor * r.circumscribingCircleDiameter;
    r.coreStepWidthB = kSmallStepFactor * r.circumscribingCircleDiameter;
    r.windowArea = Divide(kva * 1000 * 1e6, kOutputEquationFactor * f * r.coreFluxDensity *
                                                (r.windowSpaceFactor - kOutputConstantCorrection) *
                                                r.currentDensity * r.netIronArea);
    r.windowWidth = SquareRoot(r.windowArea / rules.windowRatio);
    r.windowHeight = SquareRoot(r.windowArea * rules.windowRatio);
    r.adjacentLimbDistance = r.windowWidth + r.circumscribingCircleDiameter;
    r.yokeFluxDensity = YokeFluxDensity(r.coreFluxDensity);
    r.netYokeArea = kYokeToLimbArea * r.netIronArea;
    r.yokeHeight = r.coreStepWidthA;
    r.yokeDepth = r.coreStepWidthA;
    r.frameHeight = r.windowHeight + 2 * r.yokeHeight;
    r.frameWidth = 2 * r.adjacentLimbDistance + r.coreStepWidthA;
}

}  // namespace kestrava
