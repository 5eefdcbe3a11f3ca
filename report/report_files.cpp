#include "report/report_files.h"

#include <QDate>
#include <QSaveFile>

#include "cad/general_arrangement.h"
#include "report/drawing_svg.h"
#include "report/report_pdf.h"

namespace kestrava::report {
namespace {

std::optional<std::string> WriteWhole(const std::filesystem::path& path, const QByteArray& bytes) {
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return "cannot write \"" + path.string() + "\": " + file.errorString().toStdString();
    }
    return std::nullopt;
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

std::optional<std::string> WriteReportFiles(const ReportDesign& design,
                                            const std::filesystem::path& drawingFile,
                                            const std::filesystem::path& reportFile) {
    const cad::GeneralArrangement drawing = cad::BuildGeneralArrangement(design.record);
    const DrawingTitle title = DrawingTitleOf(design);
    if (!drawingFile.empty()) {
        if (auto failure = WriteWhole(drawingFile, DrawingSvg(drawing, title))) return failure;
    }
    if (!reportFile.empty()) {
        if (auto failure = WriteWhole(reportFile, ReportPdf(design, drawing, title))) {
            return failure;
        }
    }
    return std::nullopt;
}

}  // namespace kestrava::report
