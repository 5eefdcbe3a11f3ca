#include "ui/window_widgets.h"

#include <QPushButton>

namespace kestrava::ui {

QFont WindowFont() {
    return QFont(QStringLiteral("Verdana"), 9);
}

QPushButton* NamedButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

}  // namespace kestrava::ui
