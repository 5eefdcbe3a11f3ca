#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "assess/assessment_settings.h"
#include "engine/conductor_table.h"
#include "engine/core_steel_catalogue.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "search/candidate_verdict.h"
#include "search/search_grid.h"

namespace kestrava::search {

enum class Objective { TotalOwning, Material };

struct SearchRequest {
    DesignInputs inputs;
    SearchGrid grid;
    assess::AssessmentSettings settings;  // the core steel's price comes from each steel
    SearchLimits limits;
    Objective objective = Objective::TotalOwning;
    std::size_t keepBest = 20;
};

// One grid point: the rule values, the steel as its index in the grid's steels, and its place in
// the grid's order.
struct GridPoint {
    double outputConstant = 0.0;
    double coreFluxDensity = 0.0;
    double currentDensity = 0.0;
    double windowRatio = 0.0;
    int parallelStrips = 1;
    std::size_t steel = 0;
    std::uint64_t ordinal = 0;
};

struct SearchCandidate {
    GridPoint point;
    CandidateScore score;
    ConstraintSet broken = 0;
};

struct SearchOutcome {
    bool cancelled = false;
    std::uint64_t evaluated = 0;
    std::uint64_t feasible = 0;
    std::vector<SearchCandidate> best;           // feasible, best first
    std::vector<SearchCandidate> front;          // feasible Pareto front by material
    std::optional<SearchCandidate> nearestMiss;  // when nothing is feasible and one ran
};

// Lets another thread stop a search and watch it; 'evaluated' grows as candidates are judged.
struct SearchControl {
    std::atomic<bool> cancel{false};
    std::atomic<std::uint64_t> evaluated{0};
};

// Designs and judges every candidate of the request's grid on all cores.
// What a search found, or why its grid cannot be searched.
using SearchRun = Result<SearchOutcome, std::string>;

SearchRun RunDesignSearch(const SearchRequest& request, std::span<const ConductorStrip> rows,
                          const CoreSteelCatalogue& steels, SearchControl* control = nullptr);

// The full rules of 'point' under 'request' (the space factor numerator stays the rating
// class's).
DesignRules RulesOf(const SearchRequest& request, const GridPoint& point);

// The value the request minimises.
double ObjectiveValue(Objective objective, const CandidateScore& score);

}  // namespace kestrava::search
