#include "sheet/ui/hover_tool_tip.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace kestrava {

HoverToolTip::HoverToolTip(QWidget* widget, std::function<QString()> text)
    : QObject(widget), text_(std::move(text)) {}

void HoverToolTip::Install(QWidget* widget, std::function<QString()> text) {
    // Move events must arrive without a button held down.
    widget->setMouseTracking(true);
    widget->installEventFilter(new HoverToolTip(widget, std::move(text)));
}

bool HoverToolTip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        static_cast<QWidget*>(watched)->setToolTip(text_());
    }
    return false;
}

}  // namespace kestrava
