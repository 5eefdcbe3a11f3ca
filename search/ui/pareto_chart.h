#pragma once

#include <optional>
#include <vector>

#include "search/design_search.h"

class QChart;

namespace kestrava::search::ui {

// A chart of the Pareto front, material cost against capitalised losses, with the fixed-rule and
// the best design marked when known. The caller owns the returned chart.
QChart* NewParetoChart(const std::vector<SearchCandidate>& front,
                       const std::optional<CandidateScore>& fixedRules,
                       const std::optional<CandidateScore>& best);

}  // namespace kestrava::search::ui
