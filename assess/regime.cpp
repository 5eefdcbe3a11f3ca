#include "assess/regime.h"

#include <algorithm>

#include "assess/json_members.h"
#include "engine/escaped_text.h"

namespace kestrava::assess {
namespace {

using nlohmann::json;

constexpr std::string_view kRegimeExtension = ".json";

Checked ReadScope(const json& value, RegimeScope& scope) {
    if (Checked members = CheckKnownMembers(
            value, "scope", {"description", "maxPrimaryLineVoltage", "frequencies"});
        !members.has_value()) {
        return members;
    }
    const auto description = value.find("description");
    if (description == value.end() || !description->is_string()) {
        return Fail(std::string("scope.description must be a text"));
    }
    scope.description = description->get<std::string>();
    if (const auto voltage = value.find("maxPrimaryLineVoltage"); voltage != value.end()) {
        const auto number = FiniteNumber(*voltage, "scope.maxPrimaryLineVoltage");
        if (!number.has_value()) return Fail(number.error());
        if (*number <= 0) return Fail(std::string("scope.maxPrimaryLineVoltage must be positive"));
        scope.maxPrimaryLineVoltage = *number;
    }
    if (const auto frequencies = value.find("frequencies"); frequencies != value.end()) {
        if (!frequencies->is_array()) return Fail(std::string("scope.frequencies must be a list"));
        for (const json& frequency : *frequencies) {
            if (!frequency.is_number_integer() || frequency.get<long long>() <= 0 ||
                frequency.get<long long>() > 1000) {
                return Fail(std::string("scope.frequencies must hold whole numbers of hertz"));
            }
            scope.frequencies.push_back(frequency.get<int>());
        }
    }
    return {};
}

// Reads one row into 'regime'; the first row decides which limits every row must give.
Checked ReadRow(const json& row, std::size_t index, Regime& regime) {
    const std::string where = "rows[" + std::to_string(index) + "]";
    if (Checked members = CheckKnownMembers(
            row, where, {"kva", "maxNoLoadLossW", "maxLoadLossW", "minEfficiency50"});
        !members.has_value()) {
        return members;
    }
    const auto kvaMember = row.find("kva");
    if (kvaMember == row.end()) return Fail(where + " has no kva");
    const auto kva = FiniteNumber(*kvaMember, where + ".kva");
    if (!kva.has_value()) return Fail(kva.error());
    if (*kva <= 0) return Fail(where + ".kva must be positive");
    if (!regime.kva.empty() && *kva <= regime.kva.back()) {
        return Fail(where + ".kva must be above the kva of the row before");
    }
    regime.kva.push_back(*kva);

    if (index == 0) {
        for (const LimitKind kind : kLimitKinds) {
            if (row.contains(LimitName(kind))) regime.limits.push_back({kind, {}});
        }
        if (regime.limits.empty()) return Fail(where + " names no limit");
    }
    if (row.size() != regime.limits.size() + 1) {
        return Fail(where + " names other limits than rows[0]");
    }
    for (RegimeLimit& column : regime.limits) {
        const std::string name(LimitName(column.kind));
        const auto member = row.find(name);
        if (member == row.end()) return Fail(where + " names other limits than rows[0]");
        const auto limit = FiniteNumber(*member, where + "." + name);
        if (!limit.has_value()) return Fail(limit.error());
        if (*limit < 0) return Fail(where + "." + name + " must not be negative");
        column.values.push_back(*limit);
    }
    return {};
}

RegimeOutcome ReadRegime(const json& document) {
    if (Checked members =
            CheckKnownMembers(document, "the regime", {"name", "source", "scope", "rows"});
        !members.has_value()) {
        return Fail(members.error());
    }
    Regime regime;
    for (const char* text : {"name", "source"}) {
        const auto member = document.find(text);
        if (member == document.end() || !member->is_string() ||
            member->get<std::string>().empty()) {
            return Fail(std::string(text) + " must be a text");
        }
    }
    regime.name = document["name"].get<std::string>();
    regime.source = document["source"].get<std::string>();
    const auto scope = document.find("scope");
    if (scope == document.end()) return Fail(std::string("scope is missing"));
    if (Checked read = ReadScope(*scope, regime.scope); !read.has_value())
        return Fail(read.error());
    const auto rows = document.find("rows");
    if (rows == document.end() || !rows->is_array() || rows->empty()) {
        return Fail(std::string("rows must be a list of at least one row"));
    }
    for (std::size_t i = 0; i < rows->size(); ++i) {
        if (Checked read = ReadRow((*rows)[i], i, regime); !read.has_value())
            return Fail(read.error());
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
    if (!document.has_value()) return Fail(document.error());
    return ReadRegime(*document);
}

RegimeOutcome ReadRegimeFile(const std::filesystem::path& path) {
    const JsonDocument document = ReadJsonFile(path);
    if (!document.has_value()) return Fail(document.error());
    RegimeOutcome regime = ReadRegime(*document);
    if (!regime.has_value()) return Fail(PrefixedByPath(path, regime.error()));
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
        std::string problem = "no regime named " + QuotedText(nameOrFile) + "; known:";
        for (const std::string& name : RegimeNames(standardsFolder)) problem += " " + name;
        return Fail(problem);
    }
    return ReadRegimeFile(file);
}

std::vector<std::string> RegimeNames(const std::filesystem::path& standardsFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(standardsFolder, error)) {
        const auto& path = entry.path();
        // The folder holds other standards data too; only files that read as regimes count.
        if (path.extension() == kRegimeExtension && ReadRegimeFile(path).has_value()) {
            names.push_back(path.stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kestrava::assess
