#pragma once

#include <string>

#include "engine/connection_type.h"

namespace kestrava {

// The ratings exactly as typed in the parameter window (UTF-8), with the chosen connection.
struct ParameterTexts {
    std::string primaryVoltage;    // txtPrmVolt
    std::string kvaRating;         // txtKVARating
    std::string secondaryVoltage;  // txtSecondVolt
    std::string frequency;         // txtFrequency
    std::string tapping;           // txtTapping
    std::string connectionType;    // text of cboConnType
    ConnectionType connection = ConnectionType::DeltaStar;
};

}  // namespace kestrava
