#include "tools/model_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "engine/escaped_text.h"

namespace kestrava {

namespace fs = std::filesystem;

std::optional<ModelFiles> ModelFilesFor(const fs::path& model) {
    std::string extension = model.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".step" || extension == ".stp") {
        return ModelFiles{model, fs::path(model).replace_extension(".glb")};
    }
    if (extension == ".glb") return ModelFiles{{}, model};
    return std::nullopt;
}

namespace {

std::string QuotedOption(std::string_view option, const std::string& path) {
    return std::string(option) + " \"" + EscapedText(path) + "\": ";
}

Result<void, std::string> CheckFolderExists(std::string_view option, const std::string& path) {
    const fs::path file = path;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::error_code error;
    if (fs::is_directory(folder, error)) return {};
    return Fail(QuotedOption(option, path) + "the folder \"" + EscapedText(folder.string()) +
                "\" does not exist");
}

}  // namespace

Result<void, std::string> CheckModelPath(const std::string& model) {
    if (model.empty()) {
        return Fail(std::string("--model needs a file name ending in .step, .stp or .glb"));
    }
    if (!ModelFilesFor(model)) {
        return Fail(QuotedOption("--model", model) + "the name must end in .step, .stp or .glb");
    }
    return CheckFolderExists("--model", model);
}

Result<void, std::string> CheckOutputPath(std::string_view option, const std::string& path) {
    if (path.empty()) return Fail(std::string(option) + " needs a file name");
    return CheckFolderExists(option, path);
}

}  // namespace kestrava
