#include "tools/assessment_request.h"

#include "assess/assessment_json.h"

namespace kestrava {

std::variant<AssessmentRequest, std::string> LoadAssessmentRequest(
    std::string_view regime, const std::string& settingsFile,
    const std::filesystem::path& standardsFolder) {
    AssessmentRequest request;
    if (!settingsFile.empty()) {
        assess::SettingsOutcome settings = assess::ReadSettingsFile(settingsFile);
        if (const auto* problem = std::get_if<assess::SettingsProblem>(&settings)) {
            return "--settings: " + *problem;
        }
        request.settings = std::get<assess::AssessmentSettings>(settings);
    }
    if (!regime.empty()) {
        assess::RegimeOutcome found = assess::FindRegime(regime, standardsFolder);
        if (const auto* problem = std::get_if<std::string>(&found)) return "--regime: " + *problem;
        request.regime = std::get<assess::Regime>(std::move(found));
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
