#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace kestrava {

// A mounted volume, the counterpart of a drive: its root folder and its label.
struct Volume {
    QString rootPath;  // absolute, "/" separated, no trailing separator except for "/" itself
    QString label;
    bool ready = true;  // false when the device has no medium or cannot be read

    // The volume as the drive list shows it: root path and label.
    QString DisplayText() const;
};

// The mounted volumes of this machine, "/" always among them.
std::vector<Volume> MountedVolumes();

// Supplies the volume list (tests pass fixed volumes).
using VolumeSource = std::function<std::vector<Volume>()>;

// The index of the volume whose root 'path' starts at (the deepest one), or -1 when 'path' starts
// at none of them, as relative and empty paths do.
int VolumeIndexOf(const QString& path, const std::vector<Volume>& volumes);

// Whether the volume's root can be listed now.
bool IsReadable(const Volume& volume);

}  // namespace kestrava
