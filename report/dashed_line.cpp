#include "report/dashed_line.h"

#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace kestrava::report {

void DrawDashedPolyline(QPainter& painter, const QPolygonF& line, std::span<const double> pattern) {
    if (line.size() < 2) return;
    if (pattern.empty() || std::any_of(pattern.begin(), pattern.end(),
                                       [](double length) { return !(length > 0.0); })) {
        painter.drawPolyline(line);
        return;
    }
    std::vector<QLineF> dashes;
    std::size_t part = 0;            // index into 'pattern'
    double leftInPart = pattern[0];  // length still to go in the current part
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QLineF segment(line[i - 1], line[i]);
        const double length = segment.length();
        double at = 0.0;
        while (at < length) {
            const double step = std::min(leftInPart, length - at);
            if (part % 2 == 0 && step > 0.0) {
                dashes.emplace_back(segment.pointAt(at / length),
                                    segment.pointAt((at + step) / length));
            }
            at += step;
            leftInPart -= step;
            if (leftInPart <= 0.0) {
                part = (part + 1) % pattern.size();
                leftInPart = pattern[part];
            }
        }
    }
    painter.drawLines(dashes.data(), static_cast<int>(dashes.size()));
}

}  // namespace kestrava::report
