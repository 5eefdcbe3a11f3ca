#pragma once

#include <optional>
#include <string>

#include "engine/connection_type.h"
#include "engine/rating_texts.h"

namespace kestrava {

// Everything the kestrava-design command line can say.
struct CommandOptions {
    RatingTexts rating{.frequency = "50",
                       .connection = std::string(ConnectionName(ConnectionType::DeltaStar)),
                       .tapping = "5"};
    std::string table;
    std::string sheet;
    std::string batch;
    std::string model;
    std::string rules;
    std::string drawing;
    std::string report;
    bool json = false;
    std::string format = "json";
    std::optional<std::string> fields;
    bool assess = false;
    std::string regime;
    std::string settings;
    bool search = false;
    std::string objective = "toc";
    std::string pareto;
    std::string grid;
    bool refine = false;
    std::optional<double> targetImpedance;
};

}  // namespace kestrava
