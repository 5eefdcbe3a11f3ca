#include "report/report_charts.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "report/report_figures.h"
#include "report/sheet_text.h"

namespace kestrava::report {
namespace {

constexpr double kAxisText = 3.0;
const QColor kUnityColor(0, 90, 170);
const QColor kLaggingColor(200, 90, 0);
const QColor kLimitColor(150, 150, 150);

// Chart coordinates inside 'plot': x from x0 to x1, y from y0 to y1.
struct Axes {
    QRectF plot;
    double x0, x1, y0, y1;

    QPointF At(double x, double y) const {
        return {plot.left() + (x - x0) / (x1 - x0) * plot.width(),
                plot.bottom() - (y - y0) / (y1 - y0) * plot.height()};
    }
};

// A tick step of 1, 2 or 5 times a power of ten giving about 'ticks' intervals over 'span'.
double TickStep(double span, int ticks) {
    const double raw = span / ticks;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double step : {1.0, 2.0, 5.0}) {
        if (step * decade >= raw) return step * decade;
    }
    return 10.0 * decade;
}

void DrawFrame(QPainter& painter, const QRectF& plot) {
    painter.setPen(QPen(Qt::black, 0.25));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}

void DrawYTicks(QPainter& painter, const Axes& axes, double step, int decimals) {
    for (double y = std::ceil(axes.y0 / step) * step; y <= axes.y1 + 1e-9; y += step) {
        const QPointF p = axes.At(axes.x0, y);
        painter.setPen(QPen(QColor(220, 220, 220), 0.15));
        painter.drawLine(p, axes.At(axes.x1, y));
        painter.setPen(Qt::black);
        DrawSheetText(painter, p - QPointF(1.5, 0), kAxisText, Fixed(y, decimals),
                      Qt::AlignRight | Qt::AlignVCenter);
    }
}

void Legend(QPainter& painter, QPointF at, const QColor& colour, const QString& text) {
    painter.setPen(QPen(colour, 0.6));
    painter.drawLine(at, at + QPointF(8, 0));
    painter.setPen(Qt::black);
    DrawSheetText(painter, at + QPointF(10, 0), kAxisText, text, Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

void PaintEfficiencyChart(QPainter& painter, const QRectF& area, const assess::Assessment& a) {
    double low = a.efficiency[0].percent;
    double high = low;
    for (const auto& point : a.efficiency) {
        if (!std::isfinite(point.percent)) continue;
        low = std::min(low, point.percent);
        high = std::max(high, point.percent);
    }
    if (!std::isfinite(low) || !std::isfinite(high)) return;
    const double step = TickStep(std::max(high - low, 0.1), 5);
    const Axes axes{area.adjusted(16, 6, -2, -12), 0.0, 1.25, std::floor(low / step) * step,
                    std::floor(high / step) * step + step};

    painter.save();
    DrawFrame(painter, axes.plot);
    DrawYTicks(painter, axes, step, step < 0.1 ? 2 : 1);
    painter.setPen(Qt::black);
    for (const double load : assess::kEfficiencyLoads) {
        DrawSheetText(painter, axes.At(load, axes.y0) + QPointF(0, 4), kAxisText,
                      QStringLiteral("%1 %").arg(Fixed(100 * load, 0)),
                      Qt::AlignHCenter | Qt::AlignBaseline);
    }
    DrawSheetText(painter, {axes.plot.center().x(), area.bottom() - 1}, kAxisText,
                  QStringLiteral("Load"), Qt::AlignHCenter | Qt::AlignBaseline);
    DrawSheetText(painter, {area.left(), area.top() + 2}, kAxisText,
                  QStringLiteral("Efficiency, %"), Qt::AlignLeft | Qt::AlignBaseline);

    const std::array<QColor, 2> colors{kUnityColor, kLaggingColor};
    for (std::size_t series = 0; series < assess::kPowerFactors.size(); ++series) {
        QPolygonF line;
        for (std::size_t i = 0; i < assess::kEfficiencyLoads.size(); ++i) {
            const auto& point = a.efficiency[series * assess::kEfficiencyLoads.size() + i];
            line << axes.At(point.load, point.percent);
        }
        painter.setPen(QPen(colors[series], 0.6));
        painter.setBrush(colors[series]);
        painter.drawPolyline(line);
        for (const QPointF& p : line) painter.drawEllipse(p, 0.7, 0.7);
    }
    painter.setBrush(Qt::NoBrush);
    const QPointF legend(axes.plot.right() - 80, area.top() + 1);
    Legend(painter, legend, kUnityColor, QStringLiteral("power factor 1.0"));
    Legend(painter, legend + QPointF(42, 0), kLaggingColor, QStringLiteral("power factor 0.8"));
    painter.restore();
}

void PaintLossBars(QPainter& painter, const QRectF& area, const ReportDesign& design) {
    struct Bar {
        QString name;
        double value;
        std::optional<double> limit;
    };
    std::array<Bar, 2> bars{Bar{QStringLiteral("P0"), design.record.totalCoreLoss, {}},
                            Bar{QStringLiteral("Pk"), design.record.totalCopperLoss, {}}};
    if (const auto& compliance = design.assessment.compliance) {
        for (const assess::LimitCheck& check : compliance->limits) {
            if (check.kind == assess::LimitKind::MaxNoLoadLossW) bars[0].limit = check.limit;
            if (check.kind == assess::LimitKind::MaxLoadLossW) bars[1].limit = check.limit;
        }
    }
    double high = 1.0;
    for (const Bar& bar : bars) {
        if (std::isfinite(bar.value)) high = std::max(high, bar.value);
        if (bar.limit) high = std::max(high, *bar.limit);
    }
    const double step = TickStep(high, 5);
    const Axes axes{area.adjusted(16, 6, -2, -12), 0.0, 2.0, 0.0, std::ceil(high / step) * step};

    painter.save();
    DrawFrame(painter, axes.plot);
    DrawYTicks(painter, axes, step, 0);
    DrawSheetText(painter, {area.left(), area.top() + 2}, kAxisText, QStringLiteral("Loss, W"),
                  Qt::AlignLeft | Qt::AlignBaseline);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar& bar = bars[i];
        const double centre = 0.5 + static_cast<double>(i);
        const auto drawBar = [&](double from, double value, const QColor& colour) {
            const QRectF rect(axes.At(from, value), axes.At(from + 0.3, 0.0));
            painter.fillRect(rect, colour);
            painter.setPen(Qt::black);
            DrawSheetText(painter, rect.topLeft() + QPointF(rect.width() / 2, -1.0), kAxisText,
                          Whole(value), Qt::AlignHCenter | Qt::AlignBaseline);
        };
        const bool fails = bar.limit && bar.value > *bar.limit;
        drawBar(centre - 0.32, std::isfinite(bar.value) ? bar.value : 0.0,
                fails ? QColor(200, 40, 40) : QColor(40, 150, 70));
        if (bar.limit) drawBar(centre + 0.02, *bar.limit, kLimitColor);
        DrawSheetText(painter, axes.At(centre, 0) + QPointF(0, 4), kAxisText,
                      bar.limit ? QStringLiteral("%1 and its limit").arg(bar.name) : bar.name,
                      Qt::AlignHCenter | Qt::AlignBaseline);
    }
    painter.restore();
}

}  // namespace kestrava::report
