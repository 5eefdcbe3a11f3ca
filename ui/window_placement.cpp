#include "ui/window_placement.h"

#include <QAbstractButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace kestrava::ui {
namespace {

// How finely the places over an anchor are tried.
constexpr int kPlacementStep = 8;

std::vector<QRect> ButtonsOnScreen(const QWidget* anchor) {
    std::vector<QRect> buttons;
    for (const QAbstractButton* button : anchor->findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            buttons.emplace_back(button->mapToGlobal(QPoint()), button->size());
    }
    return buttons;
}

bool CoversAny(const QRect& frame, const std::vector<QRect>& buttons) {
    return std::any_of(buttons.begin(), buttons.end(),
                       [&](const QRect& button) { return frame.intersects(button); });
}

}  // namespace

void CenterOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) return;
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void PlaceClearOfButtons(QWidget* window, const QWidget* anchor) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QRect around = anchor->frameGeometry();
    const QSize size = window->frameGeometry().size();
    const std::vector<QRect> buttons = ButtonsOnScreen(anchor);

    // Beside the anchor, aligned with it as far as the screen allows; then over it, row by row.
    const int besideTop =
        std::max(area.top(), std::min(around.top(), area.bottom() + 1 - size.height()));
    const int besideLeft =
        std::max(area.left(), std::min(around.left(), area.right() + 1 - size.width()));
    std::vector<QPoint> places{{around.right() + 1, besideTop},
                               {around.left() - size.width(), besideTop},
                               {besideLeft, around.bottom() + 1},
                               {besideLeft, around.top() - size.height()}};
    for (int y = around.top(); y + size.height() <= around.bottom() + 1; y += kPlacementStep) {
        for (int x = around.left(); x + size.width() <= around.right() + 1; x += kPlacementStep)
            places.emplace_back(x, y);
    }
    for (const QPoint& place : places) {
        const QRect frame(place, size);
        if (area.contains(frame) && !CoversAny(frame, buttons)) {
            window->move(place);
            return;
        }
    }
    QRect frame(QPoint(), size);
    frame.moveCenter(around.center());
    window->move(frame.topLeft());
}

void FillBeside(QWidget* window, QWidget* anchor) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    QRect around = anchor->frameGeometry();
    const int roomRight = area.right() - around.right();
    const int roomLeft = around.left() - area.left();
    const bool right = roomRight >= roomLeft;
    if (std::max(roomRight, roomLeft) < window->frameGeometry().width()) {
        around.moveLeft(right ? area.left() : area.right() + 1 - around.width());
        anchor->move(around.topLeft());
    }
    QRect frame = area;
    if (right)
        frame.setLeft(around.right() + 1);
    else
        frame.setRight(around.left() - 1);
    // The window manager's decoration, once known, lies between the frame and the client area.
    const QRect client = window->geometry();
    const QRect decorated = window->frameGeometry();
    window->setGeometry(
        frame.adjusted(client.left() - decorated.left(), client.top() - decorated.top(),
                       client.right() - decorated.right(), client.bottom() - decorated.bottom()));
}

}  // namespace kestrava::ui
