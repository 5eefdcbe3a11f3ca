#include "assess/ui/results_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace kestrava::assess::ui {
namespace {

constexpr int kLoadSteps = 24;  // a point every 5 % of rating
constexpr double kLoadStep = 0.05;

std::optional<double> LimitFor(const Assessment& a, LimitKind kind) {
    if (!a.compliance) return std::nullopt;
    for (const LimitCheck& check : a.compliance->limits) {
        if (check.kind == kind) return check.limit;
    }
    return std::nullopt;
}

}  // namespace

QChart* MakeEfficiencyChart(double kva, double p0, double pk) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Efficiency against load"));
    double lowest = 100;
    double highest = 0;
    for (const double powerFactor : kPowerFactors) {
        auto* series = new QLineSeries;
        series->setName(QStringLiteral("power factor %1").arg(powerFactor, 0, 'f', 1));
        for (int step = 2; step <= kLoadSteps + 1; ++step) {
            const double load = step * kLoadStep;
            const double percent = EfficiencyPercent(kva, p0, pk, load, powerFactor);
            series->append(load * 100, percent);
            lowest = std::min(lowest, percent);
            highest = std::max(highest, percent);
        }
        chart->addSeries(series);
    }
    auto* loadAxis = new QValueAxis;
    loadAxis->setTitleText(QStringLiteral("load, % of rating"));
    loadAxis->setRange(0, 125);
    loadAxis->setTickType(QValueAxis::TicksDynamic);
    loadAxis->setTickAnchor(0);
    loadAxis->setTickInterval(25);
    loadAxis->setLabelFormat(QStringLiteral("%.0f"));
    auto* efficiencyAxis = new QValueAxis;
    efficiencyAxis->setTitleText(QStringLiteral("efficiency, %"));
    efficiencyAxis->setRange(lowest, highest);
    efficiencyAxis->applyNiceNumbers();
    efficiencyAxis->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(loadAxis, Qt::AlignBottom);
    chart->addAxis(efficiencyAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(loadAxis);
        series->attachAxis(efficiencyAxis);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart* MakeLossLimitChart(const Assessment& a, double p0, double pk) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Losses beside their limits"));
    auto* design = new QBarSet(QStringLiteral("design"));
    *design << p0 << pk;
    design->setColor(QColor(0x1f, 0x5f, 0xa8));
    auto* series = new QBarSeries;
    series->append(design);
    const std::optional<double> p0Limit = LimitFor(a, LimitKind::MaxNoLoadLossW);
    const std::optional<double> pkLimit = LimitFor(a, LimitKind::MaxLoadLossW);
    double highest = std::max(p0, pk);
    if (p0Limit || pkLimit) {
        auto* limits = new QBarSet(QStringLiteral("limit"));
        *limits << p0Limit.value_or(0) << pkLimit.value_or(0);
        limits->setColor(QColor(0xe0, 0x8a, 0x1e));
        series->append(limits);
        highest = std::max({highest, p0Limit.value_or(0), pkLimit.value_or(0)});
    }
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append({QStringLiteral("no-load loss P0"), QStringLiteral("load loss Pk")});
    auto* watts = new QValueAxis;
    watts->setTitleText(QStringLiteral("W"));
    watts->setRange(0, highest * 1.05);
    watts->applyNiceNumbers();
    watts->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(watts, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(watts);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void ReplaceChart(QChartView& view, QChart* chart) {
    QChart* previous = view.chart();
    view.setChart(chart);
    delete previous;
}

}  // namespace kestrava::assess::ui
