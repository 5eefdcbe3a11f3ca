#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace kestrava::ui {

// The colour of an &HBBGGRR value (blue in the high byte, red in the low byte).
QColor FromBgr(std::uint32_t bgr);

// The &HBBGGRR value of 'color'.
std::uint32_t ToBgr(const QColor& color);

// Gives a button or other control the back colour &HBBGGRR.
void SetBackColor(QWidget* widget, std::uint32_t bgr);

// The back colour of 'widget' as &HBBGGRR.
std::uint32_t BackColor(const QWidget* widget);

}  // namespace kestrava::ui
