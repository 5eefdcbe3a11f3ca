#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "assess/assessment.h"
#include "engine/result.h"
#include "report/drawing_sheet.h"
#include "report/report_design.h"

namespace kestrava::report {

// The design as the report shows it: assessed with 'settings' against 'regime' (if any), dated
// today.
ReportDesign MakeReportDesign(const DesignRecord& record, const RatingTexts& texts,
                              const assess::AssessmentSettings& settings,
                              const assess::Regime* regime, const DesignRules& rules,
                              RulesOrigin origin);

// The title block of the design's drawing.
DrawingTitle DrawingTitleOf(const ReportDesign& design);

// Builds the drawing once and writes it as SVG to 'drawingFile' and the report as PDF to
// 'reportFile'; an empty path is skipped. Each file is replaced whole or not at all. Needs a
// QGuiApplication. Returns why a file could not be written.
Result<void, std::string> WriteReportFiles(const ReportDesign& design,
                                           const std::filesystem::path& drawingFile,
                                           const std::filesystem::path& reportFile);

}  // namespace kestrava::report
