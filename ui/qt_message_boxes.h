#pragma once

#include "ui/message_boxes.h"

namespace kestrava::ui {

// Message boxes shown with QMessageBox over the active window.
class QtMessageBoxes final : public MessageBoxes {
  public:
    MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const QString& title) override;
};

}  // namespace kestrava::ui
