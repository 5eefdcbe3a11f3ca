#include "report/drawing_sheet.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <span>

#include "report/dashed_line.h"
#include "report/sheet_text.h"

namespace kestrava::report {
namespace {

using cad::ArrangementView;
using cad::GeneralArrangement;
using cad::Polyline2;
using cad::Rect2;

constexpr double kMargin = 10.0;       // sheet edge to border
constexpr double kDimensionRow = 9.0;  // between parallel dimension lines
constexpr double kTextHeight = 2.5;    // dimension figures
constexpr double kLabelHeight = 3.0;   // view names
constexpr double kTitleWidth = 130.0;
constexpr double kTitleHeight = 36.0;
// Room around the views: three dimension rows above the front view, two on its left, one right
// of the side view, gaps between the views with their names.
constexpr double kAbove = 3 * kDimensionRow + 6.0;
constexpr double kLeft = 2 * kDimensionRow + 12.0;
constexpr double kRight = kDimensionRow + 14.0;
constexpr double kBetween = 16.0;
constexpr double kBelow = 10.0;

constexpr double kVisibleWidth = 0.5;
constexpr double kThinWidth = 0.18;
constexpr double kHiddenWidth = 0.25;

// The paper place of a view: model point (x, y) of the view lands at
// (left + (x - tank.minX) / scale, top + (tank.maxY - y) / scale).
struct ViewPlacement {
    const ArrangementView* view;
    double left;
    double top;
    double scale;

    QPointF Paper(double x, double y) const {
        return {left + (x - view->tank.minX) / scale, top + (view->tank.maxY - y) / scale};
    }
    double Width() const { return view->tank.Width() / scale; }
    double Height() const { return view->tank.Height() / scale; }
    double Right() const { return left + Width(); }
    double Bottom() const { return top + Height(); }
};

struct SheetLayout {
    ViewPlacement front, side, top;
};

constexpr double kRoomWidth = kDrawingSheetWidth - 2 * kMargin;
constexpr double kRoomHeight = kDrawingSheetHeight - 2 * kMargin;

// The paper the views and their dimensions take at 'scale', beside the title block.
QSizeF Extent(const GeneralArrangement& d, double scale) {
    const double width =
        kLeft + (d.front.tank.Width() + d.side.tank.Width()) / scale + kBetween + kRight;
    const double frontStack =
        kAbove + (d.front.tank.Height() + d.top.tank.Height()) / scale + kBetween + kBelow;
    const double sideStack = kAbove + d.side.tank.Height() / scale + kBelow + kTitleHeight;
    return {width, std::max(frontStack, sideStack)};
}

// The front and top views with their dimensions on the left.
double FrontColumnWidth(const GeneralArrangement& d, double scale) {
    return kLeft + d.front.tank.Width() / scale + 4.0;
}

// The top view must clear the title block: beside it or above it.
bool ClearsTitleBlock(const GeneralArrangement& d, double scale) {
    return FrontColumnWidth(d, scale) <= kRoomWidth - kTitleWidth;
}

bool Fits(const GeneralArrangement& d, double scale) {
    const QSizeF extent = Extent(d, scale);
    const double frontStack =
        kAbove + (d.front.tank.Height() + d.top.tank.Height()) / scale + kBetween + kBelow;
    return extent.width() <= kRoomWidth && extent.height() <= kRoomHeight &&
           (ClearsTitleBlock(d, scale) || frontStack + kTitleHeight <= kRoomHeight);
}

// The views sit centred in the room the border leaves.
SheetLayout Layout(const GeneralArrangement& d) {
    const double scale = DrawingScale(d);
    const QSizeF extent = Extent(d, scale);
    double shift = (kRoomWidth - extent.width()) / 2;
    if (ClearsTitleBlock(d, scale)) {
        shift = std::min(shift, kRoomWidth - kTitleWidth - FrontColumnWidth(d, scale));
    }
    const double left = kMargin + std::max(0.0, shift) + kLeft;
    const double top = kMargin + std::max(0.0, (kRoomHeight - extent.height()) / 2) + kAbove;
    const ViewPlacement front{&d.front, left, top, scale};
    const ViewPlacement side{&d.side, front.Right() + kBetween, top, scale};
    const ViewPlacement plan{&d.top, left, front.Bottom() + kBetween, scale};
    return {front, side, plan};
}

constexpr std::array<double, 2> kHiddenDashes{3.0, 1.5};
constexpr std::array<double, 4> kCentreDashes{8.0, 1.0, 1.0, 1.0};

QPen Pen(double width) {
    return QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Draws the view's polylines, dashed when 'dashes' is not empty.
void DrawPolylines(QPainter& painter, const ViewPlacement& place,
                   const std::vector<Polyline2>& lines, std::span<const double> dashes = {}) {
    for (const Polyline2& line : lines) {
        QPolygonF polygon;
        polygon.reserve(static_cast<qsizetype>(line.size()));
        for (const cad::Point2& p : line) polygon << place.Paper(p.x, p.y);
        if (dashes.empty()) {
            painter.drawPolyline(polygon);
        } else {
            DrawDashedPolyline(painter, polygon, dashes);
        }
    }
}

void DrawView(QPainter& painter, const ViewPlacement& place, const QString& name) {
    painter.setPen(Pen(kHiddenWidth));
    DrawPolylines(painter, place, place.view->lines.hidden, kHiddenDashes);
    painter.setPen(Pen(kVisibleWidth));
    DrawPolylines(painter, place, place.view->lines.visible);
    painter.setPen(Pen(0.35));
    painter.drawRect(QRectF(place.left, place.top, place.Width(), place.Height()));
    DrawSheetText(painter, {place.left + place.Width() / 2, place.Bottom() + 6.5}, kLabelHeight,
                  name, Qt::AlignHCenter | Qt::AlignBaseline, TextStyle::Bold);
}

void Arrow(QPainter& painter, QPointF tip, QPointF direction) {
    constexpr double kLength = 2.5;
    constexpr double kHalfWidth = 0.6;
    const QPointF back = tip - direction * kLength;
    const QPointF across(-direction.y() * kHalfWidth, direction.x() * kHalfWidth);
    painter.drawPolygon(QPolygonF{tip, back + across, back - across});
}

QString Millimetres(long value) {
    return QString::number(value);
}

// A dimension between x1 and x2 drawn at height 'lineY'; the extension lines start just off
// the features at heights y1 and y2.
void HorizontalDimension(QPainter& painter, double x1, double y1, double x2, double y2,
                         double lineY, long value) {
    painter.setPen(Pen(kThinWidth));
    painter.setBrush(Qt::black);
    for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
        const double direction = lineY < y ? -1.0 : 1.0;
        painter.drawLine(QPointF(x, y + direction * 1.0), QPointF(x, lineY + direction * 1.5));
    }
    painter.drawLine(QPointF(x1, lineY), QPointF(x2, lineY));
    Arrow(painter, {x1, lineY}, {-1, 0});
    Arrow(painter, {x2, lineY}, {1, 0});
    painter.setBrush(Qt::NoBrush);
    DrawSheetText(painter, {(x1 + x2) / 2, lineY - 1.0}, kTextHeight, Millimetres(value),
                  Qt::AlignHCenter | Qt::AlignBaseline);
}

// A dimension between y1 and y2 drawn at 'lineX'; its figure stands upright, breaking the line.
void VerticalDimension(QPainter& painter, double y1, double x1, double y2, double x2, double lineX,
                       long value) {
    painter.setPen(Pen(kThinWidth));
    painter.setBrush(Qt::black);
    for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
        const double direction = lineX < x ? -1.0 : 1.0;
        painter.drawLine(QPointF(x + direction * 1.0, y), QPointF(lineX + direction * 1.5, y));
    }
    painter.drawLine(QPointF(lineX, y1), QPointF(lineX, y2));
    Arrow(painter, {lineX, y1}, {0, y1 < y2 ? -1.0 : 1.0});
    Arrow(painter, {lineX, y2}, {0, y1 < y2 ? 1.0 : -1.0});
    const QString text = Millimetres(value);
    const double width = SheetTextWidth(text, kTextHeight) + 1.0;
    const QPointF middle(lineX, (y1 + y2) / 2);
    painter.fillRect(QRectF(middle.x() - width / 2, middle.y() - 2.0, width, 4.0), Qt::white);
    painter.setBrush(Qt::NoBrush);
    DrawSheetText(painter, middle, kTextHeight, text, Qt::AlignHCenter | Qt::AlignVCenter);
}

void CentreLine(QPainter& painter, QPointF a, QPointF b) {
    painter.setPen(Pen(kThinWidth));
    DrawDashedPolyline(painter, QPolygonF{a, b}, kCentreDashes);
}

void DimensionFrontView(QPainter& painter, const GeneralArrangement& d, const ViewPlacement& v) {
    const Rect2& frame = d.frame;
    const double frameTop = v.Paper(0, frame.maxY).y();
    const double frameBottom = v.Paper(0, frame.minY).y();
    // Limb axes as centre lines and chained above the view.
    for (const double axis : d.limbAxes) {
        CentreLine(painter, v.Paper(axis, frame.maxY) + QPointF(0, -3),
                   v.Paper(axis, frame.minY) + QPointF(0, 3));
    }
    const double row1 = v.top - kDimensionRow;
    for (std::size_t i = 1; i < d.limbAxes.size(); ++i) {
        HorizontalDimension(painter, v.Paper(d.limbAxes[i - 1], 0).x(), frameTop,
                            v.Paper(d.limbAxes[i], 0).x(), frameTop, row1,
                            d.dimensions.limbCentres);
    }
    HorizontalDimension(painter, v.Paper(frame.minX, 0).x(), frameTop, v.Paper(frame.maxX, 0).x(),
                        frameTop, row1 - kDimensionRow, d.dimensions.frameWidth);
    HorizontalDimension(painter, v.left, v.top, v.Right(), v.top, row1 - 2 * kDimensionRow,
                        d.dimensions.tankLength);

    const double frameLeft = v.Paper(frame.minX, 0).x();
    VerticalDimension(painter, frameTop, frameLeft, frameBottom, frameLeft, v.left - kDimensionRow,
                      d.dimensions.frameHeight);
    VerticalDimension(painter, v.top, v.left, v.Bottom(), v.left, v.left - 2 * kDimensionRow,
                      d.dimensions.tankHeight);
}

void OilLevel(QPainter& painter, const GeneralArrangement& d, const ViewPlacement& v,
              bool dimensioned) {
    const double y = v.Paper(0, d.oilLevel).y();
    painter.setPen(QPen(QColor(0, 90, 170), kHiddenWidth));
    painter.drawLine(QPointF(v.left, y), QPointF(v.Right(), y));
    const QString label = QStringLiteral("OIL LEVEL");
    const double width = SheetTextWidth(label, 2.0) + 1.0;
    painter.fillRect(QRectF(v.Right() - width - 0.5, y - 3.6, width, 3.0), Qt::white);
    painter.setPen(Qt::black);
    DrawSheetText(painter, {v.Right() - 1.0, y - 1.0}, 2.0, label,
                  Qt::AlignRight | Qt::AlignBaseline);
    if (dimensioned) {
        VerticalDimension(painter, y, v.Right(), v.Bottom(), v.Right(), v.Right() + kDimensionRow,
                          d.dimensions.oilLevel);
    }
}

void DimensionTopView(QPainter& painter, const GeneralArrangement& d, const ViewPlacement& v) {
    for (const double axis : d.limbAxes) {
        CentreLine(painter, v.Paper(axis, v.view->tank.maxY) + QPointF(0, 2),
                   v.Paper(axis, v.view->tank.minY) + QPointF(0, -2));
    }
    VerticalDimension(painter, v.top, v.left, v.Bottom(), v.left, v.left - kDimensionRow,
                      d.dimensions.tankWidth);
}

// The symbol of first-angle projection: a truncated cone seen end on, right of its side view.
void FirstAngleSymbol(QPainter& painter, QPointF origin) {
    painter.setPen(Pen(kThinWidth));
    painter.drawPolygon(QPolygonF{origin + QPointF(0, 1), origin + QPointF(8, -1),
                                  origin + QPointF(8, 7), origin + QPointF(0, 5)});
    painter.drawEllipse(origin + QPointF(14, 3), 4.0, 4.0);
    painter.drawEllipse(origin + QPointF(14, 3), 2.0, 2.0);
}

void TitleBlock(QPainter& painter, const DrawingTitle& title, int scale) {
    const double right = kDrawingSheetWidth - kMargin;
    const double bottom = kDrawingSheetHeight - kMargin;
    const QRectF box(right - kTitleWidth, bottom - kTitleHeight, kTitleWidth, kTitleHeight);
    painter.setPen(Pen(kVisibleWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.setPen(Pen(kThinWidth));
    const std::array<double, 3> rows{9.0, 18.0, 27.0};
    for (const double row : rows) {
        painter.drawLine(QPointF(box.left(), box.top() + row), QPointF(right, box.top() + row));
    }
    const double middle = box.left() + kTitleWidth / 2;
    painter.drawLine(QPointF(middle, box.top() + 18), QPointF(middle, bottom));

    const double x = box.left() + 2.0;
    DrawSheetText(painter, {x, box.top() + 6.5}, 3.5,
                  QStringLiteral("GENERAL ARRANGEMENT - OIL-IMMERSED TRANSFORMER"),
                  Qt::AlignLeft | Qt::AlignBaseline, TextStyle::Bold);
    DrawSheetText(painter, {x, box.top() + 15.5}, 2.6, title.rating,
                  Qt::AlignLeft | Qt::AlignBaseline);
    DrawSheetText(painter, {x, box.top() + 24.5}, 2.6, QStringLiteral("Scale 1:%1").arg(scale),
                  Qt::AlignLeft | Qt::AlignBaseline);
    DrawSheetText(painter, {middle + 2.0, box.top() + 24.5}, 2.3,
                  QStringLiteral("First-angle projection"), Qt::AlignLeft | Qt::AlignBaseline);
    FirstAngleSymbol(painter, {right - 22.0, box.top() + 19.5});
    DrawSheetText(painter, {x, bottom - 2.5}, 2.3, QStringLiteral("Date %1").arg(title.date),
                  Qt::AlignLeft | Qt::AlignBaseline);
    DrawSheetText(painter, {middle + 2.0, bottom - 2.5}, 2.3,
                  QStringLiteral("%1 - dimensions in mm").arg(title.version),
                  Qt::AlignLeft | Qt::AlignBaseline);
}

}  // namespace

int DrawingScale(const GeneralArrangement& drawing) {
    // 1:1, 1:2, 1:5, then 1:10, 1:15, 1:20, 1:25, 1:50 and so on by tens.
    if (Fits(drawing, 1)) return 1;
    if (Fits(drawing, 2)) return 2;
    if (Fits(drawing, 5)) return 5;
    for (int decade = 10; decade < 100000; decade *= 10) {
        for (const int step : {10, 15, 20, 25, 50}) {
            if (Fits(drawing, step * decade / 10)) return step * decade / 10;
        }
    }
    return 100000;
}

void PaintDrawingSheet(QPainter& painter, const GeneralArrangement& drawing,
                       const DrawingTitle& title) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, kDrawingSheetWidth, kDrawingSheetHeight), Qt::white);
    painter.setPen(Pen(kVisibleWidth));
    painter.drawRect(QRectF(kMargin, kMargin, kDrawingSheetWidth - 2 * kMargin,
                            kDrawingSheetHeight - 2 * kMargin));

    const SheetLayout layout = Layout(drawing);
    DrawView(painter, layout.front, QStringLiteral("FRONT VIEW"));
    DrawView(painter, layout.side, QStringLiteral("SIDE VIEW"));
    DrawView(painter, layout.top, QStringLiteral("TOP VIEW"));
    DimensionFrontView(painter, drawing, layout.front);
    OilLevel(painter, drawing, layout.front, false);
    OilLevel(painter, drawing, layout.side, true);
    DimensionTopView(painter, drawing, layout.top);
    TitleBlock(painter, title, DrawingScale(drawing));
    painter.restore();
}

}  // namespace kestrava::report
