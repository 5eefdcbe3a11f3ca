#include "search/candidate_evaluator.h"

#include <cmath>
#include <string_view>

#include "engine/conductor_lookup.h"
#include "engine/core_design.h"
#include "engine/design_record_fields.h"
#include "engine/design_transformer.h"
#include "engine/performance_design.h"
#include "engine/run_time_error.h"
#include "engine/winding_design.h"

namespace kestrava::search {
namespace {

bool IsClearance(std::string_view name) {
    return name == "lvEndClearance" || name == "hvEndClearance" || name == "hvCoilClearance";
}

}  // namespace

SizeCheck CheckSizes(const DesignRecord& record) {
    SizeCheck check;
    ForEachDoubleField(record, [&check](std::string_view name, double value) {
        check.finite = check.finite && std::isfinite(value);
        check.positive = check.positive && (value > 0.0 || IsClearance(name));
    });
    check.positive = check.positive && record.hvCoilCount >= 1 && record.hvLayerCount >= 1;
    return check;
}

CandidateEvaluator::CandidateEvaluator(const DesignInputs& inputs,
                                       std::span<const ConductorStrip> rows,
                                       std::span<const double> currentDensities,
                                       int maxParallelStrips)
    : prototype_(RecordFor(inputs)),
      record_(prototype_),
      table_({rows.begin(), rows.end()}),
      maxParallelStrips_(maxParallelStrips) {
    // The area to look up depends only on the rating, the density and the strip count.
    for (const double density : currentDensities) {
        for (int strips = 1; strips <= maxParallelStrips; ++strips) {
            DesignRecord probe = prototype_;
            probe.voltagePerTurn = 1.0;
            probe.currentDensity = density;
            StripChoice choice;
            try {
                choice.area = DesignLvStripArea(probe, strips);
                const StripLookup lookup = LookupConductorStrip(choice.area, table_);
                choice.found = lookup.has_value() && lookup.value().has_value();
                if (choice.found) choice.strip = *lookup.value();
            } catch (const RunTimeError&) {
                choice.area = std::nan("");  // never matches: such candidates take the table
            }
            choices_.push_back(choice);
        }
    }
}

const CandidateEvaluator::StripChoice* CandidateEvaluator::ChoiceFor(std::size_t densityIndex,
                                                                     int parallelStrips,
                                                                     double area) {
    const std::size_t slot = densityIndex * static_cast<std::size_t>(maxParallelStrips_) +
                             static_cast<std::size_t>(parallelStrips - 1);
    if (slot < choices_.size() && choices_[slot].area == area) return &choices_[slot];
    const StripLookup lookup = LookupConductorStrip(area, table_);
    if (!lookup.has_value()) throw RunTimeError(lookup.error());
    fallback_ = {area, lookup.value().has_value(), lookup.value().value_or(ConductorStrip{})};
    return &fallback_;
}

bool CandidateEvaluator::Design(const DesignRules& rules, const CoreSteel& steel,
                                std::size_t densityIndex, DesignRecord& record) {
    record = prototype_;
    try {
        DesignCore(record, rules);
        const double area = DesignLvStripArea(record, rules.parallelStrips);
        const StripChoice* choice = ChoiceFor(densityIndex, rules.parallelStrips, area);
        if (!choice->found) return false;
        DesignWindingsWithStrip(record, choice->strip, rules.parallelStrips);
        DesignPerformance(record, steel);
    } catch (const RunTimeError&) {
        return false;
    }
    return true;
}

CandidateVerdict CandidateEvaluator::Judge(const DesignRules& rules, const CoreSteel& steel,
                                           std::size_t densityIndex, const SearchLimits& limits,
                                           const assess::AssessmentSettings& settings) {
    CandidateVerdict verdict;
    if (!Design(rules, steel, densityIndex, record_)) return verdict;
    // The engine's run fails on a quantity that is not finite or not positive; so does this one.
    const SizeCheck sizes = CheckSizes(record_);
    if (!sizes.finite || !sizes.positive) return verdict;
    verdict.ran = true;
    verdict.broken = BrokenConstraints(record_, limits);
    verdict.score = ScoreOf(record_, settings);
    return verdict;
}

}  // namespace kestrava::search
