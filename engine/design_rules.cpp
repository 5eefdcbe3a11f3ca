#include "engine/design_rules.h"

#include <cmath>
#include <utility>

#include "engine/core_design.h"

namespace kestrava {
namespace {

constexpr double kFixedWindowRatio = 2.5;

bool IsPositive(double value) {
    return std::isfinite(value) && value > 0.0;
}

}  // namespace

DesignRules FixedDesignRules(double kva) {
    const RatingClass& ratingClass = SelectRatingClass(kva);
    return {ratingClass.outputConstant,
            ratingClass.coreFluxDensity,
            ratingClass.spaceFactorNumerator,
            ratingClass.currentDensity,
            kFixedWindowRatio,
            1,
            kLegacySteelName};
}

Result<void, std::string> CheckRules(const DesignRules& rules, const CoreSteel& steel) {
    const std::pair<const char*, double> values[] = {
        {"outputConstant", rules.outputConstant},
        {"coreFluxDensity", rules.coreFluxDensity},
        {"spaceFactorNumerator", rules.spaceFactorNumerator},
        {"currentDensity", rules.currentDensity},
        {"windowRatio", rules.windowRatio}};
    for (const auto& [name, value] : values) {
        if (!IsPositive(value)) return Fail(std::string(name) + " must be a positive number");
    }
    if (rules.parallelStrips < 1) return Fail(std::string("parallelStrips must be at least 1"));
    if (rules.steel != steel.name) return Fail("the rules name the steel \"" + rules.steel + '"');
    return CheckFluxOnCurves(steel, rules.coreFluxDensity, YokeFluxDensity(rules.coreFluxDensity));
}

}  // namespace kestrava
