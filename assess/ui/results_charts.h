#pragma once

#include "assess/assessment.h"

class QChart;
class QChartView;

namespace kestrava::assess::ui {

// Efficiency against load from a tenth to 125 % of rating, at unity and 0.8 power factor.
QChart* MakeEfficiencyChart(double kva, double p0, double pk);

// The design's no-load and load losses as bars beside the regime's limits for them; without a
// limit (no regime, not covered, or a regime that limits neither) only the design's bars.
QChart* MakeLossLimitChart(const Assessment& assessment, double p0, double pk);

// Shows 'chart' in 'view' and frees the chart it showed before.
void ReplaceChart(QChartView& view, QChart* chart);

}  // namespace kestrava::assess::ui
