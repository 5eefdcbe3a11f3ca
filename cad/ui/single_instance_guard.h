#pragma once

#include <QString>

namespace kestrava::cad::ui {

// True when another process of this executable holds the instance lock in the temp folder.
// The first call that finds the lock free takes it for the rest of this process's life.
bool AnotherInstanceRunning();

// The lock file that marks a running instance of this executable.
QString InstanceLockPath();

// "<executable name without extension> is already running."
QString AlreadyRunningText();

}  // namespace kestrava::cad::ui
