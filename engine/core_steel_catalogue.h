#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core_steel.h"
#include "engine/result.h"

namespace kestrava {

// The core steels a design may name, in file order.
struct CoreSteelCatalogue {
    std::vector<CoreSteel> steels;

    // The steel called 'name', or null.
    const CoreSteel* Find(std::string_view name) const;
};

// The steels of a file, or why it was refused.
using LoadedCoreSteels = Result<CoreSteelCatalogue, std::string>;

// Reads a steel file: {"source", "scope", "steels": [{"name", "pricePerKg", "buildingFactor",
// "yokeKeyedBy" ("limb" or "yoke"), "fluxDensity", "limbLoss", optional "yokeLoss" (else the
// limb's), optional "description"}]}. Anything missing, unknown, out of order or duplicated is
// refused.
LoadedCoreSteels ReadCoreSteels(std::string_view json);
LoadedCoreSteels LoadCoreSteels(const std::filesystem::path& file);

// Standards/core_steels.json in the installation folder 'folder'.
std::filesystem::path CoreSteelsFile(const std::filesystem::path& folder);

}  // namespace kestrava
