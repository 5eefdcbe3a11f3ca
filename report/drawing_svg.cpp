#include "report/drawing_svg.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace kestrava::report {

QByteArray DrawingSvg(const cad::GeneralArrangement& drawing, const DrawingTitle& title) {
    // 254 dots per inch make ten dots a millimetre, so the sheet's size comes out exact.
    constexpr int kDotsPerMillimetre = 10;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(254);
    svg.setSize(QSize(static_cast<int>(kDrawingSheetWidth) * kDotsPerMillimetre,
                      static_cast<int>(kDrawingSheetHeight) * kDotsPerMillimetre));
    svg.setViewBox(QRectF(0, 0, kDrawingSheetWidth, kDrawingSheetHeight));
    svg.setTitle(QStringLiteral("General arrangement"));
    svg.setDescription(title.rating);
    QPainter painter(&svg);
    PaintDrawingSheet(painter, drawing, title);
    painter.end();
    return bytes;
}

}  // namespace kestrava::report
