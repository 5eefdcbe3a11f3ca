#include "ui/path_text.h"

namespace kestrava::ui {

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace kestrava::ui
