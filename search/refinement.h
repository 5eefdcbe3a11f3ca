#pragma once

#include <cstdint>
#include <span>

#include "engine/conductor_table.h"
#include "engine/core_steel_catalogue.h"
#include "search/design_search.h"

namespace kestrava::search {

// The best design after refinement, as a candidate of 'request' (whose grid is the last, finest
// local grid searched), and how many candidates the refinement judged.
struct Refinement {
    SearchRequest request;
    SearchCandidate best;
    std::uint64_t evaluated = 0;
};

// Searches ever finer grids around 'best' (a feasible candidate of 'request'): each round spans
// one step either side of the best on the four continuous rules, with a fifth of the step,
// kept inside the range of 'request's grid, with the best's steel and strip count. Returns the
// best found, which is never worse than 'best'. A cancel through 'control' stops the round under
// way at once and keeps the best of the rounds finished before it; 'control' counts what it
// judges.
Refinement RefineBest(const SearchRequest& request, const SearchCandidate& best,
                      std::span<const ConductorStrip> rows, const CoreSteelCatalogue& steels,
                      SearchControl* control = nullptr, int rounds = 2);

}  // namespace kestrava::search
