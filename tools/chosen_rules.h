#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/core_steel.h"
#include "engine/design_rules.h"
#include "engine/result.h"

namespace kestrava {

// The rules and steel one run uses.
struct ChosenRules {
    DesignRules rules;
    CoreSteel steel;
};

// The fixed rules of 'kva' with 'text' ("NAME=VALUE,...") applied, the steel they name read from
// 'steelsFile', and the combination checked before any run; or why there are none.
Result<ChosenRules, std::string> ChooseRules(std::string_view text, double kva,
                                             const std::filesystem::path& steelsFile);

}  // namespace kestrava
