#include "app/system_info_launcher.h"

#include <QProcess>
#include <QStandardPaths>

namespace kestrava {

SystemInfoTools DesktopSystemInfoTools() {
    return {[](const QString& name) { return QStandardPaths::findExecutable(name); },
            [](const QString& path) { return QProcess::startDetached(path, {}); }};
}

const QStringList& SystemInfoPrograms() {
    static const QStringList programs{QStringLiteral("hardinfo"),
                                      QStringLiteral("gnome-system-monitor"),
                                      QStringLiteral("lshw-gtk"), QStringLiteral("kinfocenter"),
                                      QStringLiteral("xfce4-taskmanager")};
    return programs;
}

bool StartSysInfo(const SystemInfoTools& tools) {
    for (const QString& name : SystemInfoPrograms()) {
        const QString path = tools.find(name);
        if (!path.isEmpty()) return tools.start(path);
    }
    return false;
}

}  // namespace kestrava
