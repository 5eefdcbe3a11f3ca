#pragma once

#include <string>

namespace kestrava {

// The ratings exactly as typed in the parameter window (UTF-8), with the connection list index.
struct ParameterTexts {
    std::string primaryVoltage;    // txtPrmVolt
    std::string kvaRating;         // txtKVARating
    std::string secondaryVoltage;  // txtSecondVolt
    std::string frequency;         // txtFrequency
    std::string tapping;           // txtTapping
    std::string connectionType;    // text of cboConnType
    int connectionIndex = -1;      // list index of cboConnType, -1 when none is selected
};

}  // namespace kestrava
