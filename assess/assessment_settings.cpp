#include "assess/assessment_settings.h"

#include <cmath>

#include "assess/json_members.h"

namespace kestrava::assess {
namespace {

using nlohmann::json;

// One number member of a settings object and where it lands.
struct NumberMember {
    std::string_view name;
    double* target;
};

std::string ReadNumbers(const json& object, std::string_view where,
                        std::initializer_list<NumberMember> members) {
    for (const NumberMember& member : members) {
        const auto found = object.find(member.name);
        if (found == object.end()) continue;
        const std::string name = where.empty()
                                     ? std::string(member.name)
                                     : std::string(where) + "." + std::string(member.name);
        const auto number = FiniteNumber(*found, name);
        if (const auto* problem = std::get_if<std::string>(&number)) return *problem;
        *member.target = std::get<double>(number);
    }
    return {};
}

SettingsOutcome ReadSettings(const json& document, AssessmentSettings settings) {
    if (auto problem = UnknownMembersProblem(document, "the settings",
                                             {"prices", "capitalisation", "tankWallThickness"});
        !problem.empty()) {
        return problem;
    }
    if (const auto prices = document.find("prices"); prices != document.end()) {
        if (auto problem = UnknownMembersProblem(*prices, "prices", {"copper", "oil", "tankSteel"});
            !problem.empty()) {
            return problem;
        }
        Prices& p = settings.prices;
        if (auto problem =
                ReadNumbers(*prices, "prices",
                            {{"copper", &p.copper}, {"oil", &p.oil}, {"tankSteel", &p.tankSteel}});
            !problem.empty()) {
            return problem;
        }
    }
    if (const auto capitalisation = document.find("capitalisation");
        capitalisation != document.end()) {
        if (auto problem = UnknownMembersProblem(*capitalisation, "capitalisation",
                                                 {"noLoadLossPerW", "loadLossPerW"});
            !problem.empty()) {
            return problem;
        }
        Capitalisation& c = settings.capitalisation;
        if (auto problem = ReadNumbers(
                *capitalisation, "capitalisation",
                {{"noLoadLossPerW", &c.noLoadLossPerW}, {"loadLossPerW", &c.loadLossPerW}});
            !problem.empty()) {
            return problem;
        }
    }
    if (auto problem =
            ReadNumbers(document, "", {{"tankWallThickness", &settings.tankWallThickness}});
        !problem.empty()) {
        return problem;
    }
    if (auto problem = SettingsValueProblem(settings); !problem.empty()) return problem;
    return settings;
}

}  // namespace

std::string SettingsValueProblem(const AssessmentSettings& s) {
    const std::pair<std::string_view, double> amounts[] = {
        {"prices.coreSteel", s.prices.coreSteel},
        {"prices.copper", s.prices.copper},
        {"prices.oil", s.prices.oil},
        {"prices.tankSteel", s.prices.tankSteel},
        {"capitalisation.noLoadLossPerW", s.capitalisation.noLoadLossPerW},
        {"capitalisation.loadLossPerW", s.capitalisation.loadLossPerW}};
    for (const auto& [name, value] : amounts) {
        if (!std::isfinite(value) || value < 0) {
            return std::string(name) + " must be a number not below zero";
        }
    }
    const double wall = s.tankWallThickness;
    if (!(wall > 0 && wall <= kMaxTankWallThickness)) {
        return "tankWallThickness must be above 0 m and at most 0.1 m";
    }
    return {};
}

SettingsOutcome ParseSettings(std::string_view text, const AssessmentSettings& base) {
    const JsonDocument document = ParseJson(text);
    if (!document.error.empty()) return document.error;
    return ReadSettings(document.value, base);
}

SettingsOutcome ReadSettingsFile(const std::filesystem::path& path,
                                 const AssessmentSettings& base) {
    const JsonDocument document = ReadJsonFile(path);
    if (!document.error.empty()) return document.error;
    SettingsOutcome settings = ReadSettings(document.value, base);
    if (auto* problem = std::get_if<SettingsProblem>(&settings)) {
        *problem = PrefixedByPath(path, *problem);
    }
    return settings;
}

}  // namespace kestrava::assess
