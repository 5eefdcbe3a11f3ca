#include "app/app_identity.h"

#include "app/app_version.h"

namespace kestrava {

QString VersionText(int major, int minor, int patch) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(patch);
}

QString CurrentVersionText() {
    return VersionText(kVersionMajor, kVersionMinor, kVersionPatch);
}

}  // namespace kestrava
