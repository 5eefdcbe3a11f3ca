#include "ui/select_on_focus.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace kestrava::ui {

void SelectOnFocus::Install(QLineEdit* edit) {
    edit->installEventFilter(new SelectOnFocus(edit));
}

bool SelectOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit != nullptr) {
            edit->selectAll();
            // A mouse click places the cursor after focusing, so select again once it is handled.
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
    }
    return false;
}

}  // namespace kestrava::ui
