#pragma once

class QWidget;

namespace kestrava::ui {

// Moves the top-level 'window' to the middle of its screen's available area.
void CenterOnScreen(QWidget* window);

}  // namespace kestrava::ui
