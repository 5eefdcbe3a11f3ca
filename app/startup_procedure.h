#pragma once

#include <QString>
#include <functional>

#include "engine/design_record.h"

namespace kestrava {

class OptionWindow;
class StartupProgress;

// Start-up between showing the splash and showing the main option window: resets the design
// flags, creates the option window hidden through 'createOptionWindow' and loads its pictures
// from 'installFolder'/Pics, reporting each step to 'progress'. Returns the option window.
OptionWindow& RunStartup(StartupProgress& progress, DesignRecord& record,
                         const std::function<OptionWindow&()>& createOptionWindow,
                         const QString& installFolder);

}  // namespace kestrava
