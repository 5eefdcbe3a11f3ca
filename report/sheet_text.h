#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace kestrava::report {

enum class TextStyle { Regular, Bold, Monospace };

// The typeface of every report and drawing text.
QFont SheetFont(TextStyle style = TextStyle::Regular);

// Draws 'text' in a font 'heightMm' high (em size) with its 'alignment' point (Qt::Align* flags) at
// 'anchor', in a painter that measures in millimetres.
void DrawSheetText(QPainter& painter, QPointF anchor, double heightMm, const QString& text,
                   int alignment, TextStyle style = TextStyle::Regular);

// The width 'text' takes when drawn 'heightMm' high.
double SheetTextWidth(const QString& text, double heightMm, TextStyle style = TextStyle::Regular);

}  // namespace kestrava::report
