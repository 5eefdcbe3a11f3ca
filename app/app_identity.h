#pragma once

#include <QString>

namespace kestrava {

// The program title that window captions and most message boxes carry.
inline QString AppTitle() {
    return QStringLiteral("Kestrava");
}

// "Version " + major.minor.patch, plain integers.
QString VersionText(int major, int minor, int patch);

// The version text of this build.
QString CurrentVersionText();

}  // namespace kestrava
