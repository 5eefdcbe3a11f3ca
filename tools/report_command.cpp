#include "tools/report_command.h"

#include <iostream>

#include "report/offscreen_gui.h"
#include "report/report_files.h"
#include "tools/design_command.h"

namespace kestrava {

int WriteRequestedReports(const DesignRecord& record, const RatingTexts& texts,
                          const ReportOutputs& request) {
    if (request.drawingFile.empty() && request.reportFile.empty()) return kExitDesigned;
    const report::OffscreenGui gui;
    const report::ReportDesign design = report::MakeReportDesign(
        record, texts, request.settings, request.regime, request.rules, request.origin);
    if (const auto written =
            report::WriteReportFiles(design, request.drawingFile, request.reportFile);
        !written.has_value()) {
        std::cerr << "kestrava-design: " << written.error() << '\n';
        return kExitUsage;
    }
    return kExitDesigned;
}

}  // namespace kestrava
