#include "ui/bgr_color.h"

#include <QPalette>
#include <QWidget>

namespace kestrava::ui {

QColor FromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

std::uint32_t ToBgr(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

void SetBackColor(QWidget* widget, std::uint32_t bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, FromBgr(bgr));
    palette.setColor(QPalette::Window, FromBgr(bgr));
    widget->setPalette(palette);
}

std::uint32_t BackColor(const QWidget* widget) {
    return ToBgr(widget->palette().color(QPalette::Button));
}

}  // namespace kestrava::ui
