#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/result.h"

namespace kestrava::assess {

// Material prices per kg, in the user's currency.
struct Prices {
    double coreSteel = 2.5;  // the steel of the fixed design rules
    double copper = 11.0;
    double oil = 1.6;
    double tankSteel = 1.2;
};

// What one watt of loss is worth over the transformer's life.
struct Capitalisation {
    double noLoadLossPerW = 5.0;  // A
    double loadLossPerW = 1.0;    // B
};

struct AssessmentSettings {
    Prices prices;
    Capitalisation capitalisation;
    double tankWallThickness = 0.004;  // m
};

inline constexpr double kMaxTankWallThickness = 0.1;  // m; anything thicker is a typing error

// Settings, or why a value or a settings file was refused.
using SettingsOutcome = Result<AssessmentSettings, std::string>;

// Refuses a negative or non-finite price or capitalisation, and a wall thickness outside
// (0, kMaxTankWallThickness].
Result<void, std::string> CheckSettingsValues(const AssessmentSettings& settings);

// Reads settings text {"prices":{copper,oil,tankSteel},"capitalisation":{noLoadLossPerW,
// loadLossPerW},"tankWallThickness"} over 'base'; members left out keep the value of 'base',
// unknown members and values that are not numbers are refused.
SettingsOutcome ParseSettings(std::string_view text, const AssessmentSettings& base = {});
SettingsOutcome ReadSettingsFile(const std::filesystem::path& path,
                                 const AssessmentSettings& base = {});

}  // namespace kestrava::assess
