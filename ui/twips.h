#pragma once

#include <QRect>

class QWidget;

namespace kestrava::ui {

// Screen pixels per twip: window geometry is laid out in twips, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

// 'twips' in whole pixels, rounded to the nearest.
int TwipsToPixels(int twips);

// Places 'widget' at the twips rectangle (left, top, width, height) and remembers it.
void PlaceInTwips(QWidget* widget, const QRect& twips);

// The twips rectangle last given to PlaceInTwips, or the pixel geometry scaled up.
QRect TwipsGeometry(const QWidget* widget);

}  // namespace kestrava::ui
