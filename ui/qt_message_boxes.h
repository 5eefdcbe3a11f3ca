#pragma once

#include "ui/message_boxes.h"

namespace kestrava::ui {

// Message boxes shown with QMessageBox over the window that raises them.
class QtMessageBoxes final : public MessageBoxes {
  public:
    using MessageBoxes::Show;
    MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const QString& title, QWidget* raiser) override;
};

}  // namespace kestrava::ui
