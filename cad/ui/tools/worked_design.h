#pragma once

#include <filesystem>
#include <optional>

#include "engine/design_record.h"

namespace kestrava::cad::ui {

// The 100 kVA, 11000 V / 433 V, 50 Hz, Delta-Star, 5 % tapping design computed with the strip
// table in 'databaseFile'; nothing when the design run fails.
std::optional<DesignRecord> WorkedDesign(const std::filesystem::path& databaseFile);

}  // namespace kestrava::cad::ui
