#pragma once

#include <QPolygonF>

#include <span>

class QPainter;

namespace kestrava::report {

// Draws 'line' with the current pen as dashes: 'pattern' alternates drawn and skipped lengths in
// the painter's units, running on across corners. Painting the dashes as short solid lines
// keeps them the same length in every output (SVG writers disagree about dash scaling).
void DrawDashedPolyline(QPainter& painter, const QPolygonF& line, std::span<const double> pattern);

}  // namespace kestrava::report
