#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "assess/assessment.h"
#include "assess/assessment_settings.h"
#include "assess/regime.h"
#include "engine/design_record.h"
#include "engine/result.h"

namespace kestrava {

// What every record of a run is assessed with.
struct AssessmentRequest {
    assess::AssessmentSettings settings;
    std::optional<assess::Regime> regime;
};

// Reads the settings file and the regime (a name in 'standardsFolder' or a .json file); an
// empty text leaves the defaults or no regime. The error text names what was refused.
Result<AssessmentRequest, std::string> LoadAssessmentRequest(
    std::string_view regime, const std::string& settingsFile,
    const std::filesystem::path& standardsFolder);

// The assessment of 'record' as 'request' asks.
assess::Assessment AssessRecord(const DesignRecord& record, const AssessmentRequest& request);

// Appends the assessment of 'record' as the member "assessment" of the JSON object that ends
// 'json'.
void AppendAssessmentMember(std::string& json, const DesignRecord& record,
                            const AssessmentRequest& request);

}  // namespace kestrava
