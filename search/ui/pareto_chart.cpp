#include "search/ui/pareto_chart.h"

#include <QChart>
#include <QScatterSeries>
#include <QValueAxis>

namespace kestrava::search::ui {
namespace {

QScatterSeries* NewSeries(const QString& name, QColor colour, double size,
                          QScatterSeries::MarkerShape shape) {
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setColor(colour);
    series->setMarkerSize(size);
    series->setMarkerShape(shape);
    return series;
}

}  // namespace

QChart* NewParetoChart(const std::vector<SearchCandidate>& front,
                       const std::optional<CandidateScore>& fixedRules,
                       const std::optional<CandidateScore>& best) {
    auto* chart = new QChart;
    chart->setTitle(QObject::tr("Pareto front: material cost against capitalised losses"));
    auto* points = NewSeries(QObject::tr("Pareto front"), QColor(40, 110, 180), 7.0,
                             QScatterSeries::MarkerShapeCircle);
    points->setObjectName(QStringLiteral("frontSeries"));
    for (const SearchCandidate& point : front) {
        points->append(point.score.material, point.score.lossCapitalisation);
    }
    chart->addSeries(points);
    const std::pair<const std::optional<CandidateScore>*, QScatterSeries*> marks[] = {
        {&best, NewSeries(QObject::tr("Best design"), QColor(20, 150, 60), 14.0,
                          QScatterSeries::MarkerShapeRectangle)},
        {&fixedRules, NewSeries(QObject::tr("Fixed rules"), QColor(200, 60, 40), 14.0,
                                QScatterSeries::MarkerShapeRectangle)}};
    for (const auto& [score, series] : marks) {
        if (*score) series->append((*score)->material, (*score)->lossCapitalisation);
        chart->addSeries(series);
    }
    auto* x = new QValueAxis;
    x->setTitleText(QObject::tr("Material cost"));
    x->setLabelFormat(QStringLiteral("%.0f"));
    auto* y = new QValueAxis;
    y->setTitleText(QObject::tr("Capitalised no-load + load loss"));
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    // Frame every point, the marks included, with a little room around them.
    double minX = 0, maxX = 1, minY = 0, maxY = 1;
    bool first = true;
    for (QAbstractSeries* series : chart->series()) {
        for (const QPointF& p : static_cast<QScatterSeries*>(series)->points()) {
            minX = first ? p.x() : std::min(minX, p.x());
            maxX = first ? p.x() : std::max(maxX, p.x());
            minY = first ? p.y() : std::min(minY, p.y());
            maxY = first ? p.y() : std::max(maxY, p.y());
            first = false;
        }
    }
    const double padX = std::max(1.0, (maxX - minX) * 0.05);
    const double padY = std::max(1.0, (maxY - minY) * 0.05);
    x->setRange(minX - padX, maxX + padX);
    y->setRange(minY - padY, maxY + padY);
    return chart;
}

}  // namespace kestrava::search::ui
