#pragma once

#include <filesystem>
#include <vector>

#include "cad/cad_automation.h"
#include "cad/model_document.h"

namespace kestrava::cad {

// Writes 'solids' as STEP AP214 with their names, palette colours and visibility.
CadStatus WriteStepFile(const std::vector<ModelSolid>& solids, const std::filesystem::path& path);

// Meshes 'solids' and writes the visible ones, named and coloured, as binary glTF.
CadStatus WriteGltfFile(const std::vector<ModelSolid>& solids, const std::filesystem::path& path);

}  // namespace kestrava::cad
