#include "engine/design_transformer.h"

#include <cmath>
#include <utility>

#include "engine/core_design.h"
#include "engine/design_record_fields.h"
#include "engine/performance_design.h"
#include "engine/run_time_error.h"
#include "engine/winding_design.h"

namespace kestrava {
namespace {

constexpr const char* kConductorNotFoundText =
    "Out of range!\r\nValue not found in Conductor Dimension Table(IS 1897-1962).";
constexpr const char* kErrorPrefix = "Error: ";

// Ends the run with 'description' when a stage left an infinite or NaN quantity behind.
void RequireFiniteFields(const DesignRecord& record, const char* description) {
    bool finite = true;
    ForEachDoubleField(record, [&finite](std::string_view, double value) {
        finite = finite && std::isfinite(value);
    });
    if (!finite) throw RunTimeError(description);
}

}  // namespace

DesignRecord RecordFor(const DesignInputs& inputs) {
    DesignRecord record;
    record.kvaRating = inputs.kvaRating;
    record.primaryVoltage = inputs.primaryVoltage;
    record.secondaryVoltage = inputs.secondaryVoltage;
    record.frequency = inputs.frequency;
    record.connectionType = inputs.connectionType;
    record.tapping = inputs.tapping;
    return record;
}

DesignResult DesignTransformer(const DesignInputs& inputs, ConductorTableSource& table) {
    return DesignTransformer(inputs, table, FixedDesignRules(inputs.kvaRating), LegacySteel());
}

DesignResult DesignTransformer(const DesignInputs& inputs, ConductorTableSource& table,
                               const DesignRules& rules, const CoreSteel& steel) {
    if (auto problem = RulesProblem(rules, steel)) {
        return DesignFailure{DesignFailure::Kind::RulesRefused, std::move(*problem)};
    }
    DesignRecord record = RecordFor(inputs);
    try {
        RequireFiniteFields(record, kNotFiniteRatingText);
        DesignCore(record, rules);
        RequireFiniteFields(record, kOverflowText);
        if (!DesignWindings(record, table, rules.parallelStrips)) {
            return DesignFailure{DesignFailure::Kind::ConductorNotFound, kConductorNotFoundText};
        }
        RequireFiniteFields(record, kOverflowText);
        DesignPerformance(record, steel);
        RequireFiniteFields(record, kOverflowText);
    } catch (const RunTimeError& error) {
        return DesignFailure{DesignFailure::Kind::RunTimeError,
                             kErrorPrefix + std::string(error.what())};
    }
    return DesignResult{std::move(record)};
}

}  // namespace kestrava
