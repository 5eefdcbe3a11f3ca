#include "engine/installation_paths.h"

namespace kestrava {
namespace {

std::filesystem::path DatabaseFolder(const std::filesystem::path& installation) {
    return installation / "Database";
}

}  // namespace

std::filesystem::path ConductorTableFile(const std::filesystem::path& installation) {
    return DatabaseFolder(installation) / "Appr_CSA.sqlite";
}

std::filesystem::path ParamRecordFile(const std::filesystem::path& installation) {
    return DatabaseFolder(installation) / "TransValAsgn.sqlite";
}

std::filesystem::path PicsFolder(const std::filesystem::path& installation) {
    return installation / "Pics";
}

std::filesystem::path DesignSheetFolder(const std::filesystem::path& installation) {
    return installation / "Design Sheet";
}

std::filesystem::path ModelFolder(const std::filesystem::path& installation) {
    return installation / "AutoCAD Files";
}

std::filesystem::path StandardsFolder(const std::filesystem::path& installation) {
    return installation / "Standards";
}

}  // namespace kestrava
