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

Checked ReadNumbers(const json& object, std::string_view where,
                    std::initializer_list<NumberMember> members) {
    for (const NumberMember& member : members) {
        const auto found = object.find(member.name);
        if (found == object.end()) continue;
        const std::string name = where.empty()
                                     ? std::string(member.name)
                                     : std::string(where) + "." + std::string(member.name);
        const auto number = FiniteNumber(*found, name);
        if (!number.has_value()) return Fail(number.error());
        *member.target = *number;
    }
    return {};
}

SettingsOutcome ReadSettings(const json& document, AssessmentSettings settings) {
    if (Checked members = CheckKnownMembers(document, "the settings",
                                            {"prices", "capitalisation", "tankWallThickness"});
        !members.has_value()) {
        return Fail(members.error());
    }
    if (const auto prices = document.find("prices"); prices != document.end()) {
        if (Checked members = CheckKnownMembers(*prices, "prices", {"copper", "oil", "tankSteel"});
            !members.has_value()) {
            return Fail(members.error());
        }
        Prices& p = settings.prices;
        if (Checked numbers =
                ReadNumbers(*prices, "prices",
                            {{"copper", &p.copper}, {"oil", &p.oil}, {"tankSteel", &p.tankSteel}});
            !numbers.has_value()) {
            return Fail(numbers.error());
        }
    }
    if (const auto capitalisation = document.find("capitalisation");
        capitalisation != document.end()) {
        if (Checked members = CheckKnownMembers(*capitalisation, "capitalisation",
                                                {"noLoadLossPerW", "loadLossPerW"});
            !members.has_value()) {
            return Fail(members.error());
        }
        Capitalisation& c = settings.capitalisation;
        if (Checked numbers = ReadNumbers(
                *capitalisation, "capitalisation",
                {{"noLoadLossPerW", &c.noLoadLossPerW}, {"loadLossPerW", &c.loadLossPerW}});
            !numbers.has_value()) {
            return Fail(numbers.error());
        }
    }
    if (Checked numbers =
            ReadNumbers(document, "", {{"tankWallThickness", &settings.tankWallThickness}});
        !numbers.has_value()) {
        return Fail(numbers.error());
    }
    if (Checked values = CheckSettingsValues(settings); !values.has_value())
        return Fail(values.error());
    return settings;
}

}  // namespace

Result<void, std::string> CheckSettingsValues(const AssessmentSettings& s) {
    const std::pair<std::string_view, double> amounts[] = {
        {"prices.coreSteel", s.prices.coreSteel},
        {"prices.copper", s.prices.copper},
        {"prices.oil", s.prices.oil},
        {"prices.tankSteel", s.prices.tankSteel},
        {"capitalisation.noLoadLossPerW", s.capitalisation.noLoadLossPerW},
        {"capitalisation.loadLossPerW", s.capitalisation.loadLossPerW}};
    for (const auto& [name, value] : amounts) {
        if (!std::isfinite(value) || value < 0) {
            return Fail(std::string(name) + " must be a number not below zero");
        }
    }
    const double wall = s.tankWallThickness;
    if (!(wall > 0 && wall <= kMaxTankWallThickness)) {
        return Fail(std::string("tankWallThickness must be above 0 m and at most 0.1 m"));
    }
    return {};
}

SettingsOutcome ParseSettings(std::string_view text, const AssessmentSettings& base) {
    const JsonDocument document = ParseJson(text);
    if (!document.has_value()) return Fail(document.error());
    return ReadSettings(*document, base);
}

SettingsOutcome ReadSettingsFile(const std::filesystem::path& path,
                                 const AssessmentSettings& base) {
    const JsonDocument document = ReadJsonFile(path);
    if (!document.has_value()) return Fail(document.error());
    SettingsOutcome settings = ReadSettings(*document, base);
    if (!settings.has_value()) return Fail(PrefixedByPath(path, settings.error()));
    return settings;
}

}  // namespace kestrava::assess
