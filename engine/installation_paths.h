#pragma once

#include <filesystem>

namespace kestrava {

// Everything the programs read, and the places they save to unless told otherwise, lie below the
// installation folder (the folder of the executables). The build lays the folder out the same
// way (cmake/installation_paths.cmake).

// The conductor strip table.
std::filesystem::path ConductorTableFile(const std::filesystem::path& installation);
// The record store of the ratings of saved design sheets.
std::filesystem::path ParamRecordFile(const std::filesystem::path& installation);
// The pictures of the start-up and option windows.
std::filesystem::path PicsFolder(const std::filesystem::path& installation);
// Where a design sheet, a report or a drawing is proposed to go.
std::filesystem::path DesignSheetFolder(const std::filesystem::path& installation);
// Where the drawing window saves the model; it is never created.
std::filesystem::path ModelFolder(const std::filesystem::path& installation);
// The loss regimes and the core steel catalogue.
std::filesystem::path StandardsFolder(const std::filesystem::path& installation);

}  // namespace kestrava
