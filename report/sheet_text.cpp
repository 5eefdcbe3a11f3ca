#include "report/sheet_text.h"

#include <QFontMetricsF>
#include <QPainter>

namespace kestrava::report {
namespace {

// Text is laid out at this pixel size and scaled down, so that glyph sizes stay fractional.
constexpr int kLayoutPixels = 100;

}  // namespace

QFont SheetFont(TextStyle style) {
    QFont font(style == TextStyle::Monospace ? QStringLiteral("DejaVu Sans Mono")
                                             : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kLayoutPixels);
    font.setBold(style == TextStyle::Bold);
    // Without shaping Latin text gets no ligatures, so "fi" stays two letters that readers of
    // the PDF can search for and copy.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

double SheetTextWidth(const QString& text, double heightMm, TextStyle style) {
    return QFontMetricsF(SheetFont(style)).horizontalAdvance(text) * heightMm / kLayoutPixels;
}

void DrawSheetText(QPainter& painter, QPointF anchor, double heightMm, const QString& text,
                   int alignment, TextStyle style) {
    const QFont font = SheetFont(style);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.capHeight();
    double x = 0.0;
    if (alignment & Qt::AlignHCenter) x = -width / 2;
    if (alignment & Qt::AlignRight) x = -width;
    double y = 0.0;  // the baseline
    if (alignment & Qt::AlignVCenter) y = height / 2;
    if (alignment & Qt::AlignTop) y = height;

    const double scale = heightMm / kLayoutPixels;
    painter.save();
    painter.translate(anchor);
    painter.scale(scale, scale);
    painter.setFont(font);
    painter.drawText(QPointF(x, y), text);
    painter.restore();
}

}  // namespace kestrava::report
