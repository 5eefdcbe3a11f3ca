#pragma once

#include <QFont>
#include <QString>

class QPushButton;
class QWidget;

namespace kestrava::ui {

// The font of the windows' own texts: Verdana, 9 points.
QFont WindowFont();

// A push button named 'objectName' (its name in the window's design, which tests find it by)
// showing 'caption'.
QPushButton* NamedButton(const QString& objectName, const QString& caption, QWidget* parent);

}  // namespace kestrava::ui
