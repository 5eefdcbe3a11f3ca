#pragma once

#include <string>
#include <variant>

#include "engine/conductor_table.h"
#include "engine/design_record.h"

namespace kestrava {

// Why a design run stopped; 'message' is the full text the user is shown.
struct DesignFailure {
    enum class Kind { ConductorNotFound, RunTimeError };
    Kind kind = Kind::RunTimeError;
    std::string message;  // "Out of range!\r\nValue not found ..." or "Error: <description>"
};

using DesignResult = std::variant<DesignRecord, DesignFailure>;

// Designs the transformer for 'inputs' with the strip table of 'table'.
DesignResult DesignTransformer(const DesignInputs& inputs, ConductorTableSource& table);

}  // namespace kestrava
