#pragma once

#include <QString>
#include <functional>

#include "cad/cad_automation.h"
#include "ui/message_boxes.h"

namespace kestrava::cad::ui {

// Tells the user why a request to the workspace failed; a vanished workspace (462) is fatal for
// the window, which 'resetLostInstance' then puts into its lost-instance state.
void ReportCadError(const CadError& error, kestrava::ui::MessageBoxes& boxes,
                    const QString& appTitle, const std::function<void()>& resetLostInstance);

}  // namespace kestrava::cad::ui
