#pragma once

#include <QString>

class QWidget;

namespace kestrava::ui {

enum class MessageIcon { None, Critical, Exclamation, Information, Question, Warning };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The one way windows show a message box, so that tests can answer them.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows 'text' modally for 'raiser', the window that raises it (null: no window in
    // particular); an empty 'title' means the program's default title.
    virtual MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                               const QString& title, QWidget* raiser) = 0;
    MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const QString& title) {
        return Show(text, icon, buttons, title, nullptr);
    }
};

// The message boxes of one window: a box that names no other raiser is raised by the window.
class WindowMessageBoxes final : public MessageBoxes {
  public:
    WindowMessageBoxes(MessageBoxes& boxes, QWidget* window) : boxes_(boxes), window_(window) {}

    using MessageBoxes::Show;
    MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const QString& title, QWidget* raiser) override {
        return boxes_.Show(text, icon, buttons, title, raiser != nullptr ? raiser : window_);
    }

  private:
    MessageBoxes& boxes_;
    QWidget* window_;
};

}  // namespace kestrava::ui
