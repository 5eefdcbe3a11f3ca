#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/result.h"

namespace kestrava {

// The files that --model FILE writes: FILE.step or FILE.stp with FILE.glb beside it, or FILE.glb
// alone; an empty path is a file that is not written.
struct ModelFiles {
    std::filesystem::path step;
    std::filesystem::path gltf;
};

// The files for 'model', or nothing when its extension is none of .step, .stp and .glb.
std::optional<ModelFiles> ModelFilesFor(const std::filesystem::path& model);

// Refuses --model 'model' when it cannot be written (its name, or a folder that does not exist).
Result<void, std::string> CheckModelPath(const std::string& model);

// Refuses the file 'path' given to 'option' when it cannot be written (no name, or a folder that
// does not exist): checked before anything is written, so that no output is left half done.
Result<void, std::string> CheckOutputPath(std::string_view option, const std::string& path);

}  // namespace kestrava
