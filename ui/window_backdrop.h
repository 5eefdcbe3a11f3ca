#pragma once

#include <QColor>

class QPainter;
class QWidget;

namespace kestrava::ui {

// Fills all of 'window' with a vertical gradient from 'top' to 'bottom'.
void PaintBackdrop(QPainter& painter, const QWidget& window, QColor top, QColor bottom);

}  // namespace kestrava::ui
