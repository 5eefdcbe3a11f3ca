#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/result.h"

namespace kestrava::assess {

// The quantities a regime may limit, under the names its rows and the assessment use.
enum class LimitKind { MaxNoLoadLossW, MaxLoadLossW, MinEfficiency50 };
inline constexpr LimitKind kLimitKinds[] = {LimitKind::MaxNoLoadLossW, LimitKind::MaxLoadLossW,
                                            LimitKind::MinEfficiency50};
std::string_view LimitName(LimitKind kind);
// Minimum limits pass at or above the limit, maximum limits at or below.
inline bool IsMinimum(LimitKind kind) {
    return kind == LimitKind::MinEfficiency50;
}

// Which designs a regime speaks about besides its kVA range.
struct RegimeScope {
    std::string description;
    std::optional<double> maxPrimaryLineVoltage;  // V
    std::vector<int> frequencies;                 // Hz; empty means any
};

// One column of a regime: the limit at each row's kVA.
struct RegimeLimit {
    LimitKind kind;
    std::vector<double> values;
};

// A loss or efficiency regulation as a table of limits by kVA, ascending.
struct Regime {
    std::string name;
    std::string source;
    RegimeScope scope;
    std::vector<double> kva;
    std::vector<RegimeLimit> limits;  // in the order of kLimitKinds
};

// True when 'kva' lies between the first and the last row, both included.
bool IsInKvaRange(const Regime& regime, double kva);

// The limit of 'column' at 'kva', linear between rows; nothing below the first or above the
// last row.
std::optional<double> LimitAt(const Regime& regime, const RegimeLimit& column, double kva);

// A regime, or why its text was refused.
using RegimeOutcome = Result<Regime, std::string>;

// Reads regime text {"name","source","scope":{description,maxPrimaryLineVoltage,frequencies},
// "rows":[{"kva",<limit names>}]}; every row names the same limits, kVA strictly ascending.
RegimeOutcome ParseRegime(std::string_view text);
RegimeOutcome ReadRegimeFile(const std::filesystem::path& path);

// 'nameOrFile' is a path when it ends in ".json", else the name of a file in 'standardsFolder'.
RegimeOutcome FindRegime(std::string_view nameOrFile, const std::filesystem::path& standardsFolder);

// The names of the files in 'standardsFolder' that read as regimes, sorted.
std::vector<std::string> RegimeNames(const std::filesystem::path& standardsFolder);

}  // namespace kestrava::assess
