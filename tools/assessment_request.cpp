#include "tools/assessment_request.h"

#include "assess/assessment_json.h"

namespace kestrava {

Result<AssessmentRequest, std::string> LoadAssessmentRequest(
    std::string_view regime, const std::string& settingsFile,
    const std::filesystem::path& standardsFolder) {
    AssessmentRequest request;
    if (!settingsFile.empty()) {
        assess::SettingsOutcome settings = assess::ReadSettingsFile(settingsFile);
        if (!settings.has_value()) return Fail("--settings: " + settings.error());
        request.settings = *settings;
    }
    if (!regime.empty()) {
        assess::RegimeOutcome found = assess::FindRegime(regime, standardsFolder);
        if (!found.has_value()) return Fail("--regime: " + found.error());
        request.regime = std::move(found).value();
    }
    return request;
}

assess::Assessment AssessRecord(const DesignRecord& record, const AssessmentRequest& request) {
    return assess::Assess(record, request.settings, request.regime ? &*request.regime : nullptr);
}

void AppendAssessmentMember(std::string& out, const DesignRecord& record,
                            const AssessmentRequest& request) {
    out.pop_back();  // the object's closing brace
    out += ",\"assessment\":";
    assess::AppendAssessmentJson(out, AssessRecord(record, request));
    out += '}';
}

}  // namespace kestrava
