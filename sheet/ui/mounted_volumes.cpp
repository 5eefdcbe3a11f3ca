#include "sheet/ui/mounted_volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace kestrava {

QString Volume::DisplayText() const {
    return label.isEmpty() ? rootPath : rootPath + QStringLiteral("  [") + label + QLatin1Char(']');
}

std::vector<Volume> MountedVolumes() {
    std::vector<Volume> volumes;
    bool haveRoot = false;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::cleanPath(storage.rootPath());
        haveRoot = haveRoot || root == QStringLiteral("/");
        volumes.push_back({root, storage.name(), storage.isReady()});
    }
    if (!haveRoot) volumes.insert(volumes.begin(), Volume{QStringLiteral("/"), QString(), true});
    return volumes;
}

int VolumeIndexOf(const QString& path, const std::vector<Volume>& volumes) {
    int best = -1;
    qsizetype bestLength = -1;
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        const QString& root = volumes[i].rootPath;
        const bool startsThere = root.endsWith(QLatin1Char('/'))
                                     ? path.startsWith(root)
                                     : path == root || path.startsWith(root + QLatin1Char('/'));
        if (startsThere && root.size() > bestLength) {
            best = static_cast<int>(i);
            bestLength = root.size();
        }
    }
    return best;
}

bool IsReadable(const Volume& volume) {
    const QFileInfo root(volume.rootPath);
    return volume.ready && root.isDir() && root.isReadable();
}

}  // namespace kestrava
