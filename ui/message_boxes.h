#pragma once

#include <QString>

namespace kestrava::ui {

enum class MessageIcon { None, Critical, Exclamation, Information, Question, Warning };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The one way windows show a message box, so that tests can answer them.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows 'text' modally; an empty 'title' means the program's default title.
    virtual MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                               const QString& title) = 0;
};

}  // namespace kestrava::ui
