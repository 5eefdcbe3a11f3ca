#pragma once

#include <string>
#include <string_view>

#include "engine/design_rules.h"
#include "engine/result.h"

namespace kestrava {

// Replaces the rules named in 'text', "NAME=VALUE,..." (outputConstant, coreFluxDensity,
// spaceFactorNumerator, currentDensity, windowRatio, parallelStrips, steel), in 'rules'.
// Refuses an unknown or repeated name, a value that is not one number and a strip count that
// is not a whole number.
Result<void, std::string> ReadDesignRulesText(std::string_view text, DesignRules& rules);

// Appends the seven rules as the member "rules" of the JSON object that ends 'json'.
void AppendRulesMember(std::string& json, const DesignRules& rules);

}  // namespace kestrava
