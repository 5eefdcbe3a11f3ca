#pragma once

#include <QByteArray>

#include "report/drawing_sheet.h"

namespace kestrava::report {

// The drawing sheet as an SVG document measured in millimetres: vector lines and real text.
QByteArray DrawingSvg(const cad::GeneralArrangement& drawing, const DrawingTitle& title);

}  // namespace kestrava::report
