#pragma once

#include <QString>
#include <QWidget>

#include "ui/message_boxes.h"

namespace kestrava::ui {

// A window of the program: named for its place in the flow, captioned with the program title
// followed by its own words, and raising its message boxes over itself.
class ProgramWindow : public QWidget {
  protected:
    // 'caption' follows 'appTitle' in the window's caption, e.g. ": Results".
    ProgramWindow(MessageBoxes& boxes, QString appTitle, const QString& objectName,
                  const QString& caption, QWidget* parent);

    WindowMessageBoxes boxes_;
    const QString appTitle_;
};

}  // namespace kestrava::ui
