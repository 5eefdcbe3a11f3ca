#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kestrava {

// How StartSysInfo finds and starts a program; replaced in tests.
struct SystemInfoTools {
    // The full path of the program 'name' on PATH, or empty.
    std::function<QString(const QString& name)> find;
    // Starts 'path' without waiting; false when it could not be started.
    std::function<bool(const QString& path)> start;
};

// PATH lookup and QProcess::startDetached.
SystemInfoTools DesktopSystemInfoTools();

// The system-information programs tried, in order of preference.
const QStringList& SystemInfoPrograms();

// Starts the first system-information program that is found; false when none could be started.
bool StartSysInfo(const SystemInfoTools& tools);

}  // namespace kestrava
