#include "ui/program_window.h"

#include <utility>

namespace kestrava::ui {

ProgramWindow::ProgramWindow(MessageBoxes& boxes, QString appTitle, const QString& objectName,
                             const QString& caption, QWidget* parent)
    : QWidget(parent), boxes_(boxes, this), appTitle_(std::move(appTitle)) {
    setObjectName(objectName);
    setWindowTitle(appTitle_ + caption);
}

}  // namespace kestrava::ui
