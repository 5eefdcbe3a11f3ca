#pragma once

#include <deque>
#include <vector>

#include "ui/message_boxes.h"

namespace kestrava::ui::testing {

// Records every box a window shows and answers Yes/No boxes from a script.
class ScriptedMessageBoxes final : public MessageBoxes {
  public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
        QString title;
        QWidget* raiser;
    };

    // Queues the answer for the next Yes/No box; unscripted Yes/No boxes are answered No.
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }

    using MessageBoxes::Show;
    MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const QString& title, QWidget* raiser) override {
        shown_.push_back({text, icon, buttons, title, raiser});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers_.empty()) return MessageAnswer::No;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    const std::vector<Shown>& ShownBoxes() const { return shown_; }
    void Clear() { shown_.clear(); }

  private:
    std::deque<MessageAnswer> answers_;
    std::vector<Shown> shown_;
};

}  // namespace kestrava::ui::testing
