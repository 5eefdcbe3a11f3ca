#pragma once

#include <QString>

namespace kestrava {

// Where the start-up procedure reports its progress (the splash window, or a test recorder).
class StartupProgress {
  public:
    virtual ~StartupProgress() = default;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetValue(int value) = 0;
    virtual int Value() const = 0;
    // Shows the current step text at once.
    virtual void ShowStep(const QString& text) = 0;
    // A picture file could not be loaded; start-up goes on without it.
    virtual void ReportMissingPicture(const QString& path) = 0;
};

}  // namespace kestrava
