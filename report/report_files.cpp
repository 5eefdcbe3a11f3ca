#include "report/report_files.h"

#include <QDate>

#include "cad/general_arrangement.h"
#include "report/drawing_svg.h"
#include "report/report_pdf.h"
#include "sheet/file_replacement.h"

namespace kestrava::report {
namespace {

// Through the one file writer, so that a report replaces its file as a design sheet does.
Result<void, std::string> WriteWhole(const std::filesystem::path& path, std::string_view what,
                                     const QByteArray& bytes) {
    const FileReplaced replaced = ReplaceFileBytes(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!replaced.has_value()) return Fail(DescribeFileFailure(replaced.error(), what, path));
    return {};
}

}  // namespace

ReportDesign MakeReportDesign(const DesignRecord& record, const RatingTexts& texts,
                              const assess::AssessmentSettings& settings,
                              const assess::Regime* regime, const DesignRules& rules,
                              RulesOrigin origin) {
    return {record,
            texts,
            settings,
            assess::Assess(record, settings, regime),
            rules,
            origin,
            QDate::currentDate().toString(Qt::ISODate)};
}

DrawingTitle DrawingTitleOf(const ReportDesign& design) {
    return {RatingText(design), design.date, QStringLiteral("Kestrava " KESTRAVA_VERSION_TEXT)};
}

Result<void, std::string> WriteReportFiles(const ReportDesign& design,
                                           const std::filesystem::path& drawingFile,
                                           const std::filesystem::path& reportFile) {
    const cad::GeneralArrangement drawing = cad::BuildGeneralArrangement(design.record);
    const DrawingTitle title = DrawingTitleOf(design);
    if (!drawingFile.empty()) {
        auto written = WriteWhole(drawingFile, "the drawing", DrawingSvg(drawing, title));
        if (!written.has_value()) return written;
    }
    if (!reportFile.empty()) {
        auto written = WriteWhole(reportFile, "the report", ReportPdf(design, drawing, title));
        if (!written.has_value()) return written;
    }
    return {};
}

}  // namespace kestrava::report
