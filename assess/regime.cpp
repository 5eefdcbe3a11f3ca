#include "assess/regime.h"

#include <algorithm>

#include "assess/json_members.h"

namespace kestrava::assess {
namespace {

using nlohmann::json;

constexpr std::string_view kRegimeExtension = ".json";

std::string ReadScope(const json& value, RegimeScope& scope) {
    if (auto problem = UnknownMembersProblem(
            value, "scope", {"description", "maxPrimaryLineVoltage", "frequencies"});
        !problem.empty()) {
        return problem;
    }
    const auto description = value.find("description");
    if (description == value.end() || !description->is_string()) {
        return "scope.description must be a text";
    }
    scope.description = description->get<std::string>();
    if (const auto voltage = value.find("maxPrimaryLineVoltage"); voltage != value.end()) {
        const auto number = FiniteNumber(*voltage, "scope.maxPrimaryLineVoltage");
        if (const auto* problem = std::get_if<std::string>(&number)) return *problem;
        if (std::get<double>(number) <= 0) return "scope.maxPrimaryLineVoltage must be positive";
        scope.maxPrimaryLineVoltage = std::get<double>(number);
    }
    if (const auto frequencies = value.find("frequencies"); frequencies != value.end()) {
        if (!frequencies->is_array()) return "scope.frequencies must be a list";
        for (const json& frequency : *frequencies) {
            if (!frequency.is_number_integer() || frequency.get<long long>() <= 0 ||
                frequency.get<long long>() > 1000) {
                return "scope.frequencies must hold whole numbers of hertz";
            }
            scope.frequencies.push_back(frequency.get<int>());
        }
    }
    return {};
}

// Reads one row into 'regime'; the first row decides which limits every row must give.
std::string ReadRow(const json& row, std::size_t index, Regime& regime) {
    const std::string where = "rows[" + std::to_string(index) + "]";
    if (auto problem = UnknownMembersProblem(
            row, where, {"kva", "maxNoLoadLossW", "maxLoadLossW", "minEfficiency50"});
        !problem.empty()) {
        return problem;
    }
    const auto kvaMember = row.find("kva");
    if (kvaMember == row.end()) return where + " has no kva";
    const auto kva = FiniteNumber(*kvaMember, where + ".kva");
    if (const auto* problem = std::get_if<std::string>(&kva)) return *problem;
    if (std::get<double>(kva) <= 0) return where + ".kva must be positive";
    if (!regime.kva.empty() && std::get<double>(kva) <= regime.kva.back()) {
        return where + ".kva must be above the kva of the row before";
    }
    regime.kva.push_back(std::get<double>(kva));

    if (index == 0) {
        for (const LimitKind kind : kLimitKinds) {
            if (row.contains(LimitName(kind))) regime.limits.push_back({kind, {}});
        }
        if (regime.limits.empty()) return where + " names no limit";
    }
    if (row.size() != regime.limits.size() + 1) return where + " names other limits than rows[0]";
    for (RegimeLimit& column : regime.limits) {
        const std::string name(LimitName(column.kind));
        const auto member = row.find(name);
        if (member == row.end()) return where + " names other limits than rows[0]";
        const auto limit = FiniteNumber(*member, where + "." + name);
        if (const auto* problem = std::get_if<std::string>(&limit)) return *problem;
        if (std::get<double>(limit) < 0) return where + "." + name + " must not be negative";
        column.values.push_back(std::get<double>(limit));
    }
    return {};
}

RegimeOutcome ReadRegime(const json& document) {
    if (auto problem =
            UnknownMembersProblem(document, "the regime", {"name", "source", "scope", "rows"});
        !problem.empty()) {
        return problem;
    }
    Regime regime;
    for (const char* text : {"name", "source"}) {
        const auto member = document.find(text);
        if (member == document.end() || !member->is_string() ||
            member->get<std::string>().empty()) {
            return std::string(text) + " must be a text";
        }
    }
    regime.name = document["name"].get<std::string>();
    regime.source = document["source"].get<std::string>();
    const auto scope = document.find("scope");
    if (scope == document.end()) return std::string("scope is missing");
    if (auto problem = ReadScope(*scope, regime.scope); !problem.empty()) return problem;
    const auto rows = document.find("rows");
    if (rows == document.end() || !rows->is_array() || rows->empty()) {
        return std::string("rows must be a list of at least one row");
    }
    for (std::size_t i = 0; i < rows->size(); ++i) {
        if (auto problem = ReadRow((*rows)[i], i, regime); !problem.empty()) return problem;
    }
    return regime;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::string_view LimitName(LimitKind kind) {
    switch (kind) {
        case LimitKind::MaxNoLoadLossW:
            return "maxNoLoadLossW";
        case LimitKind::MaxLoadLossW:
            return "maxLoadLossW";
        case LimitKind::MinEfficiency50:
            return "minEfficiency50";
    }
    return {};
}

bool IsInKvaRange(const Regime& regime, double kva) {
    return !regime.kva.empty() && kva >= regime.kva.front() && kva <= regime.kva.back();
}

std::optional<double> LimitAt(const Regime& regime, const RegimeLimit& column, double kva) {
    if (!IsInKvaRange(regime, kva)) return std::nullopt;
    const auto& rows = regime.kva;
    const auto i =
        static_cast<std::size_t>(std::lower_bound(rows.begin(), rows.end(), kva) - rows.begin());
    if (rows[i] == kva) return column.values[i];
    const double fraction = (kva - rows[i - 1]) / (rows[i] - rows[i - 1]);
    return column.values[i - 1] + (column.values[i] - column.values[i - 1]) * fraction;
}

RegimeOutcome ParseRegime(std::string_view text) {
    const JsonDocument document = ParseJson(text);
    if (!document.error.empty()) return document.error;
    return ReadRegime(document.value);
}

RegimeOutcome ReadRegimeFile(const std::filesystem::path& path) {
    const JsonDocument document = ReadJsonFile(path);
    if (!document.error.empty()) return document.error;
    RegimeOutcome regime = ReadRegime(document.value);
    if (auto* problem = std::get_if<std::string>(&regime)) {
        *problem = PrefixedByPath(path, *problem);
    }
    return regime;
}

RegimeOutcome FindRegime(std::string_view nameOrFile,
                         const std::filesystem::path& standardsFolder) {
    if (EndsWith(nameOrFile, kRegimeExtension)) {
        return ReadRegimeFile(std::filesystem::path(nameOrFile));
    }
    const auto file = standardsFolder / (std::string(nameOrFile) + std::string(kRegimeExtension));
    const bool plainName = nameOrFile.find('/') == std::string_view::npos;
    if (std::error_code error; !plainName || !std::filesystem::is_regular_file(file, error)) {
        std::string problem = "no regime named \"" + std::string(nameOrFile) + "\"; known:";
        for (const std::string& name : RegimeNames(standardsFolder)) problem += " " + name;
        return problem;
    }
    return ReadRegimeFile(file);
}

std::vector<std::string> RegimeNames(const std::filesystem::path& standardsFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(standardsFolder, error)) {
        const auto& path = entry.path();
        // The folder holds other standards data too; only files that read as regimes count.
        if (path.extension() == kRegimeExtension &&
            std::holds_alternative<Regime>(ReadRegimeFile(path))) {
            names.push_back(path.stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kestrava::assess
