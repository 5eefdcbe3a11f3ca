#include "engine/design_transformer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>
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

// A quantity at zero or below describes no transformer that can be built. The inputs are the
// user's and the clearances may be negative: that is what the consistency warning reports.
bool MustBePositive(std::string_view field) {
    constexpr std::string_view kSigned[] = {"kvaRating",      "primaryVoltage", "secondaryVoltage",
                                            "lvEndClearance", "hvEndClearance", "hvCoilClearance"};
    return std::find(std::begin(kSigned), std::end(kSigned), field) == std::end(kSigned);
}

[[noreturn]] void RefuseImpossibleDesign(std::string_view field, double value) {
    std::array<char, 32> text{};
    char* end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    std::string description("Impossible design: ");
    description.append(field).append(" = ").append(text.data(),
                                                   static_cast<std::size_t>(end - text.data()));
    throw RunTimeError(description);
}

// Ends the run when a quantity that must be positive is zero or negative.
void RequirePossibleDesign(const DesignRecord& record) {
    ForEachDoubleField(record, [](std::string_view field, double value) {
        if (value <= 0.0 && MustBePositive(field)) RefuseImpossibleDesign(field, value);
    });
    if (record.hvCoilCount <= 0) RefuseImpossibleDesign("hvCoilCount", record.hvCoilCount);
    if (record.hvLayerCount <= 0) RefuseImpossibleDesign("hvLayerCount", record.hvLayerCount);
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
    if (auto checked = CheckRules(rules, steel); !checked.has_value()) {
        return Fail(DesignFailure{DesignFailure::Kind::RulesRefused, checked.error()});
    }
    DesignRecord record = RecordFor(inputs);
    try {
        RequireFiniteFields(record, kNotFiniteRatingText);
        DesignCore(record, rules);
        RequireFiniteFields(record, kOverflowText);
        if (!DesignWindings(record, table, rules.parallelStrips)) {
            return Fail(
                DesignFailure{DesignFailure::Kind::ConductorNotFound, kConductorNotFoundText});
        }
        RequireFiniteFields(record, kOverflowText);
        DesignPerformance(record, steel);
        RequireFiniteFields(record, kOverflowText);
        RequirePossibleDesign(record);
    } catch (const RunTimeError& error) {
        return Fail(DesignFailure{DesignFailure::Kind::RunTimeError,
                                  kErrorPrefix + std::string(error.what())});
    }
    return record;
}

}  // namespace kestrava
