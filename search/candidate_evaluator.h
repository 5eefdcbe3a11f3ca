#pragma once

#include <span>
#include <vector>

#include "engine/conductor_table.h"
#include "engine/core_steel.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "search/candidate_verdict.h"

namespace kestrava::search {

// How one candidate fared: whether its run succeeded, what it breaks and what it costs.
struct CandidateVerdict {
    bool ran = false;
    ConstraintSet broken = 0;
    CandidateScore score;
};

// Designs and judges candidates of one rating through the engine's own stages, with the strip
// lookups of every current density and strip count done once. One per thread.
class CandidateEvaluator {
  public:
    CandidateEvaluator(const DesignInputs& inputs, std::span<const ConductorStrip> rows,
                       std::span<const double> currentDensities, int maxParallelStrips);

    // Runs 'rules' with 'steel' (the rules' steel, covering their flux density);
    // 'densityIndex' is the index of rules.currentDensity among the constructor's densities.
    // 'record' receives the design.
    bool Design(const DesignRules& rules, const CoreSteel& steel, std::size_t densityIndex,
                DesignRecord& record);

    // Design plus the verdict under 'limits' with 'settings'.
    CandidateVerdict Judge(const DesignRules& rules, const CoreSteel& steel,
                           std::size_t densityIndex, const SearchLimits& limits,
                           const assess::AssessmentSettings& settings);

  private:
    struct StripChoice {
        double area = 0.0;  // the area each strip must carry
        bool found = false;
        ConductorStrip strip;
    };
    const StripChoice* ChoiceFor(std::size_t densityIndex, int parallelStrips, double area);

    DesignRecord prototype_;
    DesignRecord record_;
    InMemoryConductorTable table_;
    int maxParallelStrips_;
    std::vector<StripChoice> choices_;  // by density index, then strip count
    StripChoice fallback_;
};

// What the engine's run demands of a finished record.
struct SizeCheck {
    bool finite = true;    // every double of the record
    bool positive = true;  // every size (all but the three clearances), coil and layer counts
};
SizeCheck CheckSizes(const DesignRecord& record);

}  // namespace kestrava::search
