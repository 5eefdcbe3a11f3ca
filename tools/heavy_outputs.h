#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "assess/assessment_settings.h"
#include "assess/regime.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "engine/result.h"
#include "report/rules_origin.h"
#include "sheet/design_sheet_writer.h"

namespace kestrava {

// What --drawing and --report ask for, with the assessment's settings and regime.
struct ReportOutputs {
    std::string drawingFile;  // SVG; empty when not asked for
    std::string reportFile;   // PDF; empty when not asked for
    assess::AssessmentSettings settings;
    const assess::Regime* regime = nullptr;
    DesignRules rules;
    report::RulesOrigin origin = report::RulesOrigin::Fixed;  // fixed, --rules or --search
};

// The outputs of kestrava-design that need the modelling kernel or Qt. Only kestrava-design-full
// links their implementation, so that a run without them loads neither library.
struct HeavyOutputs {
    // Writes the 3-D model as STEP and as glTF (an empty path skips that file); returns the
    // reason on failure.
    Result<void, std::string> (*writeModel)(const DesignRecord& record,
                                            const std::filesystem::path& stepFile,
                                            const std::filesystem::path& gltfFile);
    // Writes the drawing and the report; tells on stderr why one could not be written. Returns
    // an exit status.
    int (*writeReports)(const DesignRecord& record, const RatingTexts& texts,
                        const ReportOutputs& outputs);
};

// The implementations (tools/heavy_outputs.cpp).
const HeavyOutputs& LinkedHeavyOutputs();

}  // namespace kestrava
