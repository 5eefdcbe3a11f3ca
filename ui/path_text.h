#pragma once

#include <QString>
#include <filesystem>

namespace kestrava::ui {

// A path as the libraries take it, from the text a window holds, and back (UTF-8 both ways).
std::filesystem::path FsPath(const QString& path);
QString PathText(const std::filesystem::path& path);

}  // namespace kestrava::ui
