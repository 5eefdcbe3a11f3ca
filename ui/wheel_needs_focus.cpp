#include "ui/wheel_needs_focus.h"

#include <QComboBox>
#include <QEvent>

namespace kestrava::ui {

void WheelNeedsFocus::Install(QComboBox* list) {
    list->installEventFilter(new WheelNeedsFocus(list));
}

bool WheelNeedsFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return false;
    auto* list = qobject_cast<QComboBox*>(watched);
    if (list == nullptr || list->hasFocus()) return false;
    return true;  // dropped: the list keeps its entry
}

}  // namespace kestrava::ui
