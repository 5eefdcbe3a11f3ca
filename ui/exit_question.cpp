#include "ui/exit_question.h"

namespace kestrava::ui {

bool ConfirmExit(MessageBoxes& messages) {
    return messages.Show(QStringLiteral("Do you want to exit ?"), MessageIcon::Question,
                         MessageButtons::YesNo,
                         QStringLiteral("Confirm Exit...")) == MessageAnswer::Yes;
}

}  // namespace kestrava::ui
