#pragma once

class QPushButton;

namespace kestrava::ui {

// The one button of a plain window that Enter presses: a QWidget, unlike a QDialog, keeps no
// default button of its own, so the window keeps it here and presses it on Enter.
class DefaultButton {
  public:
    // Makes 'button' the default one; the previous one is no longer shown as default.
    void Make(QPushButton* button);
    // Clicks the default button; false when there is none.
    bool Press() const;
    QPushButton* Button() const { return button_; }

  private:
    QPushButton* button_ = nullptr;
};

}  // namespace kestrava::ui
