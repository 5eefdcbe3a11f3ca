#pragma once

#include <string>

#include "assess/assessment_settings.h"
#include "assess/regime.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "report/report_design.h"
#include "sheet/design_sheet_writer.h"

namespace kestrava {

// What --drawing and --report ask for, with the assessment's settings and regime.
struct ReportRequest {
    std::string drawingFile;  // SVG; empty when not asked for
    std::string reportFile;   // PDF; empty when not asked for
    assess::AssessmentSettings settings;
    const assess::Regime* regime = nullptr;
    DesignRules rules;
    report::RulesOrigin origin = report::RulesOrigin::Fixed;
};

// Writes the requested drawing and report of 'record' (without a display, if need be); tells
// on stderr why a file could not be written. Returns an exit status.
int WriteRequestedReports(const DesignRecord& record, const RatingTexts& texts,
                          const ReportRequest& request);

}  // namespace kestrava
