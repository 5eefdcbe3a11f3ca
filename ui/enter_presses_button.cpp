#include "ui/enter_presses_button.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kestrava::ui {

void EnterPressesButton::InstallIn(QWidget* window) {
    auto* filter = new EnterPressesButton(window);
    window->installEventFilter(filter);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event) {
    // Polished, unlike just added, a child is fully built and known as a button.
    if (event->type() == QEvent::ChildPolished) {
        auto* button = qobject_cast<QPushButton*>(static_cast<QChildEvent*>(event)->child());
        if (button != nullptr) button->installEventFilter(this);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || !button->isEnabled()) return false;
    button->click();
    return true;
}

}  // namespace kestrava::ui
