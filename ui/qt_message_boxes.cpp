#include "ui/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace kestrava::ui {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The window a box appears over: the raiser's while it is shown; else one the user can see, as a
// box over a hidden window may itself stay out of sight.
QWidget* OwnerFor(QWidget* raiser) {
    if (raiser != nullptr && raiser->window()->isVisible()) return raiser->window();
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active->isVisible()) return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog)) return window;
    }
    return nullptr;
}

}  // namespace

MessageAnswer QtMessageBoxes::Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                                   const QString& title, QWidget* raiser) {
    QMessageBox box(OwnerFor(raiser));
    box.setIcon(ToQtIcon(icon));
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

}  // namespace kestrava::ui
