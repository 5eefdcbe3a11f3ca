#include "report/report_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <array>

#include "report/report_charts.h"
#include "report/report_figures.h"
#include "report/sheet_page_text.h"
#include "report/sheet_text.h"

namespace kestrava::report {
namespace {

constexpr int kResolution = 600;  // dots per inch of the PDF's user space
constexpr double kPageWidth = 210.0;
constexpr double kPageHeight = 297.0;
constexpr double kLeft = 18.0;
constexpr double kRight = kPageWidth - 18.0;
constexpr double kTop = 20.0;
constexpr double kBottom = kPageHeight - 18.0;
constexpr double kText = 3.3;      // body text size, mm
constexpr double kLineStep = 5.0;  // between body lines
constexpr double kVerdictColumn = kLeft + 64.0;
constexpr double kValueColumn = kLeft + 88.0;

TextStyle Style(bool bold) {
    return bold ? TextStyle::Bold : TextStyle::Regular;
}

QColor VerdictColor(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return {20, 130, 50};
        case Verdict::Fail:
            return {200, 30, 30};
        case Verdict::NotCovered:
            return {170, 120, 0};
        case Verdict::None:
            break;
    }
    return Qt::black;
}

// Writes pages top to bottom in millimetres, starting a new page when one is full.
class PageFlow {
  public:
    PageFlow(QPdfWriter& writer, QPainter& painter) : writer_(writer), painter_(painter) {
        ScaleToMillimetres();
    }

    double CurrentY() const { return y_; }
    void Skip(double mm) { y_ += mm; }

    void NewPage(QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        writer_.setPageOrientation(orientation);
        writer_.newPage();
        ScaleToMillimetres();
        y_ = kTop;
    }

    // Makes room for 'mm' more, on a new page if need be.
    void Reserve(double mm) {
        if (y_ + mm > kBottom) NewPage();
    }

    void Title(const QString& text, double height = 7.0) {
        Reserve(height + 6);
        y_ += height;
        DrawSheetText(painter_, {kLeft, y_}, height, text, Qt::AlignLeft | Qt::AlignBaseline,
                      TextStyle::Bold);
        y_ += 4.0;
    }

    void Heading(const QString& text) {
        Reserve(16);
        y_ += 8.0;
        DrawSheetText(painter_, {kLeft, y_}, 4.2, text, Qt::AlignLeft | Qt::AlignBaseline,
                      TextStyle::Bold);
        painter_.setPen(QPen(Qt::black, 0.2));
        painter_.drawLine(QPointF(kLeft, y_ + 1.5), QPointF(kRight, y_ + 1.5));
        y_ += 2.0;
    }

    void Line(const ReportLine& line) {
        Reserve(kLineStep);
        y_ += kLineStep;
        painter_.setPen(Qt::black);
        Fit(line.label, kLeft, kVerdictColumn - 2);
        if (line.verdict != Verdict::None) {
            painter_.setPen(VerdictColor(line.verdict));
            DrawSheetText(painter_, {kVerdictColumn, y_}, kText, VerdictWord(line.verdict),
                          Qt::AlignLeft | Qt::AlignBaseline, TextStyle::Bold);
            painter_.setPen(Qt::black);
        }
        Fit(line.value, kValueColumn, kRight);
    }

    void Section(const ReportSection& section) {
        Heading(section.title);
        for (const ReportLine& line : section.lines) Line(line);
    }

    void Table(const ReportTable& table) {
        Heading(table.title);
        const std::array<double, 4> rightEdges{kLeft + 70, kLeft + 105, kLeft + 140, kRight};
        const auto row = [&](const QStringList& cells, bool bold) {
            Reserve(kLineStep);
            y_ += kLineStep;
            for (qsizetype i = 0; i < cells.size() && i < 4; ++i) {
                const auto column = static_cast<std::size_t>(i);
                if (i == 0) {
                    DrawSheetText(painter_, {kLeft, y_}, kText, cells[i],
                                  Qt::AlignLeft | Qt::AlignBaseline, Style(bold));
                } else {
                    DrawSheetText(painter_, {rightEdges[column], y_}, kText, cells[i],
                                  Qt::AlignRight | Qt::AlignBaseline, Style(bold));
                }
            }
        };
        row(table.header, true);
        for (const QStringList& cells : table.rows) row(cells, cells.front() == "Total");
    }

    QPainter& Painter() { return painter_; }

  private:
    void ScaleToMillimetres() {
        painter_.resetTransform();
        painter_.scale(kResolution / 25.4, kResolution / 25.4);
    }

    // Draws 'text' from 'left', smaller when it would run past 'right'.
    void Fit(const QString& text, double left, double right) {
        const double width = SheetTextWidth(text, kText);
        const double height = width > right - left ? kText * (right - left) / width : kText;
        DrawSheetText(painter_, {left, y_}, height, text, Qt::AlignLeft | Qt::AlignBaseline);
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    double y_ = kTop;
};

void SummaryPage(PageFlow& flow, const ReportDesign& design) {
    flow.Title(QStringLiteral("Transformer design report"));
    flow.Line({QStringLiteral("Date"), design.date});
    flow.Line({QStringLiteral("Design rules"), RulesOriginText(design.origin)});
    for (const ReportSection& section : SummarySections(design)) flow.Section(section);
}

void ChartPage(PageFlow& flow, const ReportDesign& design) {
    flow.NewPage();
    flow.Heading(QStringLiteral("Efficiency against load"));
    PaintEfficiencyChart(flow.Painter(), QRectF(kLeft, flow.CurrentY() + 2, kRight - kLeft, 62),
                         design.assessment);
    flow.Skip(66);
    flow.Section(LossLimitSection(design));
    PaintLossBars(flow.Painter(), QRectF(kLeft + 30, flow.CurrentY() + 3, 110, 44), design);
    flow.Skip(48);
    flow.Table(BillOfMaterials(design));
    flow.Section(RulesSection(design));
}

void SheetPages(PageFlow& flow, const ReportDesign& design) {
    const QStringList lines = SheetPageLines(design.record, design.texts);
    constexpr double kSheetText = 2.7;
    constexpr double kSheetStep = 3.5;
    flow.NewPage();
    flow.Heading(QStringLiteral("Design sheet"));
    for (const QString& line : lines) {
        flow.Reserve(kSheetStep);
        flow.Skip(kSheetStep);
        DrawSheetText(flow.Painter(), {kLeft, flow.CurrentY()}, kSheetText, line,
                      Qt::AlignLeft | Qt::AlignBaseline, TextStyle::Monospace);
    }
}

}  // namespace

QByteArray ReportPdf(const ReportDesign& design, const cad::GeneralArrangement& drawing,
                     const DrawingTitle& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QStringLiteral("Transformer design report"));
    writer.setCreator(QStringLiteral("Kestrava"));

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    PageFlow flow(writer, painter);
    SummaryPage(flow, design);
    ChartPage(flow, design);
    flow.NewPage(QPageLayout::Landscape);
    PaintDrawingSheet(painter, drawing, title);
    SheetPages(flow, design);
    painter.end();
    return bytes;
}

}  // namespace kestrava::report
