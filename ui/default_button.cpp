#include "ui/default_button.h"

#include <QPushButton>

namespace kestrava::ui {

void DefaultButton::Make(QPushButton* button) {
    if (button_ != nullptr) button_->setDefault(false);
    button_ = button;
    button_->setDefault(true);
}

bool DefaultButton::Press() const {
    if (button_ == nullptr) return false;
    button_->click();
    return true;
}

}  // namespace kestrava::ui
