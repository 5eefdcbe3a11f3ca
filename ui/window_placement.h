#pragma once

class QWidget;

namespace kestrava::ui {

// Moves the top-level 'window' to the middle of its screen's available area.
void CenterOnScreen(QWidget* window);

// Moves the top-level 'window' where it covers none of the buttons of 'anchor': beside the anchor
// when the screen has room there, else over a part of the anchor without buttons.
void PlaceClearOfButtons(QWidget* window, const QWidget* anchor);

// Gives the top-level 'window' the whole screen height beside 'anchor', on the roomier side. When
// neither side is as wide as the window, the anchor first moves to the far edge of the screen.
void FillBeside(QWidget* window, QWidget* anchor);

}  // namespace kestrava::ui
