#pragma once

#include <string>

#include "engine/conductor_table.h"
#include "engine/core_steel.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "engine/result.h"

namespace kestrava {

// Why a design run stopped; 'message' is the full text the user is shown.
struct DesignFailure {
    enum class Kind { ConductorNotFound, RunTimeError, RulesRefused };
    Kind kind = Kind::RunTimeError;
    // "Out of range!\r\nValue not found ...", "Error: <description>" or the rules' problem
    std::string message;
};

using DesignResult = Result<DesignRecord, DesignFailure>;

// The record a run starts from: the inputs, nothing computed.
DesignRecord RecordFor(const DesignInputs& inputs);

// Designs the transformer for 'inputs' with the strip table of 'table' by the fixed rules.
DesignResult DesignTransformer(const DesignInputs& inputs, ConductorTableSource& table);

// Designs it by 'rules' with 'steel', the steel they name; refuses rules that CheckRules refuses.
DesignResult DesignTransformer(const DesignInputs& inputs, ConductorTableSource& table,
                               const DesignRules& rules, const CoreSteel& steel);

}  // namespace kestrava
