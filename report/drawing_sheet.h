#pragma once

#include <QString>

#include "cad/general_arrangement.h"

class QPainter;

namespace kestrava::report {

// A4 landscape, the sheet of the general-arrangement drawing (mm).
inline constexpr double kDrawingSheetWidth = 297.0;
inline constexpr double kDrawingSheetHeight = 210.0;

// What the title block of a drawing states besides its scale.
struct DrawingTitle {
    QString rating;   // e.g. "100 kVA  11000 V / 433 V  Delta-Star  50 Hz  tapping 5 %"
    QString date;     // ISO 8601
    QString version;  // e.g. "Kestrava 1.0.0"
};

// The largest scale of the 1-2-5 series at which the three views and their dimensions fit the
// sheet, as its denominator (10 for 1:10).
int DrawingScale(const cad::GeneralArrangement& drawing);

// Paints the whole sheet (border, views in first-angle projection, dimensions, title block) with
// 'painter' measuring in millimetres from the sheet's top-left corner.
void PaintDrawingSheet(QPainter& painter, const cad::GeneralArrangement& drawing,
                       const DrawingTitle& title);

}  // namespace kestrava::report
