#include "cad/ui/single_instance_guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace kestrava::cad::ui {
namespace {

QString ExecutableName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace

QString InstanceLockPath() {
    return QDir(QDir::tempPath()).filePath(ExecutableName() + QStringLiteral(".instance.lock"));
}

bool AnotherInstanceRunning() {
    // Kept for the whole process, so that later windows of this same instance pass the check.
    static QLockFile lock(InstanceLockPath());
    if (lock.isLocked()) return false;
    lock.setStaleLockTime(0);  // a lock is stale only when its process has gone
    return !lock.tryLock(0);
}

QString AlreadyRunningText() {
    return ExecutableName() + QStringLiteral(" is already running.");
}

}  // namespace kestrava::cad::ui
