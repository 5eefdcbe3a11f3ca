#include "ui/window_backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace kestrava::ui {

void PaintBackdrop(QPainter& painter, const QWidget& window, QColor top, QColor bottom) {
    QLinearGradient backdrop(0, 0, 0, window.height());
    backdrop.setColorAt(0, top);
    backdrop.setColorAt(1, bottom);
    painter.fillRect(window.rect(), backdrop);
}

}  // namespace kestrava::ui
