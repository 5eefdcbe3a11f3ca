#pragma once

#include <QRectF>

#include "report/report_design.h"

class QPainter;

namespace kestrava::report {

// Efficiency against load for both power factors, as vector lines in 'area' (mm).
void PaintEfficiencyChart(QPainter& painter, const QRectF& area, const assess::Assessment& a);

// P0 and Pk as bars beside their limits (when the regime sets them), in 'area' (mm).
void PaintLossBars(QPainter& painter, const QRectF& area, const ReportDesign& design);

}  // namespace kestrava::report
