#pragma once

#include <optional>

#include "assess/assessment_settings.h"
#include "assess/regime.h"
#include "engine/design_record.h"
#include "search/constraints.h"

namespace kestrava::search {

// What a design must meet beyond running: a regime (null: none) and an impedance target.
struct SearchLimits {
    const assess::Regime* regime = nullptr;
    std::optional<double> targetImpedancePercent;  // ±10 % of it when set
};

struct CandidateScore {
    double material = 0.0;
    double lossCapitalisation = 0.0;  // capitalised no-load plus load loss
    double totalOwning = 0.0;
};

// The constraints the finished 'record' breaks; allocates nothing.
ConstraintSet BrokenConstraints(const DesignRecord& record, const SearchLimits& limits);

// The record's costs with the core priced at 'settings' (whose core steel price is the steel's).
CandidateScore ScoreOf(const DesignRecord& record, const assess::AssessmentSettings& settings);

}  // namespace kestrava::search
