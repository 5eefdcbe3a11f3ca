#pragma once

#include <QByteArray>

#include "cad/general_arrangement.h"
#include "report/drawing_sheet.h"
#include "report/report_design.h"

namespace kestrava::report {

// The A4 design report: the rating, key results and verdicts; the efficiency chart, losses
// against the regime's limits, bill of materials and design rules; the general-arrangement
// drawing on a landscape page; then the design sheet's text. All text is real text and every
// line a vector.
QByteArray ReportPdf(const ReportDesign& design, const cad::GeneralArrangement& drawing,
                     const DrawingTitle& title);

}  // namespace kestrava::report
