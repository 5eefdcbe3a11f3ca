#include "ui/twips.h"

#include <QVariant>
#include <QWidget>
#include <cmath>

namespace kestrava::ui {
namespace {

constexpr const char* kTwipsProperty = "kestravaTwips";

}  // namespace

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

void PlaceInTwips(QWidget* widget, const QRect& twips) {
    widget->setProperty(kTwipsProperty, twips);
    widget->setGeometry(TwipsToPixels(twips.left()), TwipsToPixels(twips.top()),
                        TwipsToPixels(twips.width()), TwipsToPixels(twips.height()));
}

QRect TwipsGeometry(const QWidget* widget) {
    const QVariant stored = widget->property(kTwipsProperty);
    if (stored.isValid()) return stored.toRect();
    const QRect pixels = widget->geometry();
    return {pixels.left() * kTwipsPerPixel, pixels.top() * kTwipsPerPixel,
            pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel};
}

}  // namespace kestrava::ui
