#pragma once

#include "ui/message_boxes.h"

namespace kestrava::ui {

// Asks "Do you want to exit ?" (question, Yes/No, "Confirm Exit..."); true on Yes.
bool ConfirmExit(MessageBoxes& messages);

}  // namespace kestrava::ui
