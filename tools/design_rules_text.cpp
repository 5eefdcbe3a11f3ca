#include "tools/design_rules_text.h"

#include <charconv>
#include <set>

#include "engine/escaped_text.h"
#include "tools/design_record_json.h"
#include "tools/shortest_number.h"

namespace kestrava {
namespace {

bool ReadWholeText(std::string_view text, double& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ReadWholeText(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Sets the rule 'name' from 'value', or refuses it.
Result<void, std::string> SetRule(std::string_view name, std::string_view value,
                                  DesignRules& rules) {
    const std::pair<std::string_view, double*> numbers[] = {
        {"outputConstant", &rules.outputConstant},
        {"coreFluxDensity", &rules.coreFluxDensity},
        {"spaceFactorNumerator", &rules.spaceFactorNumerator},
        {"currentDensity", &rules.currentDensity},
        {"windowRatio", &rules.windowRatio}};
    for (const auto& [known, field] : numbers) {
        if (name != known) continue;
        if (!ReadWholeText(value, *field)) return Fail(std::string(name) + " needs a number");
        return {};
    }
    if (name == "parallelStrips") {
        if (!ReadWholeText(value, rules.parallelStrips)) {
            return Fail(std::string("parallelStrips needs a whole number"));
        }
        return {};
    }
    if (name == "steel") {
        if (value.empty()) return Fail(std::string("steel needs a name"));
        rules.steel = value;
        return {};
    }
    return Fail("unknown rule " + QuotedText(name));
}

}  // namespace

Result<void, std::string> ReadDesignRulesText(std::string_view text, DesignRules& rules) {
    if (text.empty()) return Fail(std::string("no rules given"));
    std::set<std::string_view> seen;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            return Fail(QuotedText(item) + " is not NAME=VALUE");
        }
        const std::string_view name = item.substr(0, equals);
        if (!seen.insert(name).second) return Fail(std::string(name) + " is given twice");
        if (auto set = SetRule(name, item.substr(equals + 1), rules); !set.has_value()) return set;
        if (comma == std::string_view::npos) return {};
        text.remove_prefix(comma + 1);
    }
}

void AppendRulesMember(std::string& json, const DesignRules& rules) {
    json.pop_back();  // the object's closing brace
    const std::pair<const char*, double> numbers[] = {
        {"outputConstant", rules.outputConstant},
        {"coreFluxDensity", rules.coreFluxDensity},
        {"spaceFactorNumerator", rules.spaceFactorNumerator},
        {"currentDensity", rules.currentDensity},
        {"windowRatio", rules.windowRatio}};
    json += ",\"rules\":{";
    for (const auto& [name, value] : numbers) {
        json += '"';
        json += name;
        json += "\":";
        AppendShortestNumber(json, value);
        json += ',';
    }
    json += "\"parallelStrips\":";
    json += std::to_string(rules.parallelStrips);
    json += ",\"steel\":";
    AppendJsonString(json, rules.steel);
    json += "}}";
}

}  // namespace kestrava
