#include "search/candidate_verdict.h"

#include <cmath>

#include "assess/assessment.h"

namespace kestrava::search {
namespace {

constexpr double kImpedanceTolerance = 0.10;  // of the target, below 10 % impedance
constexpr double kHalfLoad = 0.5;

Constraint LimitConstraint(assess::LimitKind kind) {
    switch (kind) {
        case assess::LimitKind::MaxNoLoadLossW:
            return Constraint::MaxNoLoadLossW;
        case assess::LimitKind::MaxLoadLossW:
            return Constraint::MaxLoadLossW;
        case assess::LimitKind::MinEfficiency50:
            break;
    }
    return Constraint::MinEfficiency50;
}

ConstraintSet BrokenRegimeLimits(const DesignRecord& r, const assess::Regime& regime) {
    if (!assess::IsCovered(r, regime)) return 0;
    const double efficiency50 =
        assess::EfficiencyPercent(r.kvaRating, r.totalCoreLoss, r.totalCopperLoss, kHalfLoad, 1.0);
    ConstraintSet broken = 0;
    for (const assess::RegimeLimit& column : regime.limits) {
        const double limit = assess::LimitAt(regime, column, r.kvaRating).value_or(0.0);
        const double value = assess::LimitedValue(r, column.kind, efficiency50);
        const bool pass = assess::IsMinimum(column.kind) ? value >= limit : value <= limit;
        if (!pass) broken |= Bit(LimitConstraint(column.kind));
    }
    return broken;
}

}  // namespace

ConstraintSet BrokenConstraints(const DesignRecord& r, const SearchLimits& limits) {
    ConstraintSet broken = 0;
    if (r.lvEndClearance < 0) broken |= Bit(Constraint::LvEndClearance);
    if (r.hvEndClearance < 0) broken |= Bit(Constraint::HvEndClearance);
    if (r.hvCoilClearance < 0) broken |= Bit(Constraint::HvCoilClearance);
    const assess::ImpedanceCheck impedance = assess::CheckImpedance(r);
    if (impedance.pass == false) broken |= Bit(Constraint::MinimumImpedance);
    if (limits.targetImpedancePercent &&
        std::abs(impedance.percent - *limits.targetImpedancePercent) >
            kImpedanceTolerance * *limits.targetImpedancePercent) {
        broken |= Bit(Constraint::TargetImpedance);
    }
    if (!assess::CheckShortCircuit("hv", r.hvPhaseCurrent, r.hvConductorArea, r.puImpedance).pass) {
        broken |= Bit(Constraint::HvShortCircuit);
    }
    if (!assess::CheckShortCircuit("lv", r.lvPhaseCurrent, r.lvConductorArea, r.puImpedance).pass) {
        broken |= Bit(Constraint::LvShortCircuit);
    }
    if (limits.regime != nullptr) broken |= BrokenRegimeLimits(r, *limits.regime);
    return broken;
}

CandidateScore ScoreOf(const DesignRecord& record, const assess::AssessmentSettings& settings) {
    const assess::Costs cost = assess::CostsOf(record, settings);
    return {cost.material, cost.noLoadLossCapitalised + cost.loadLossCapitalised, cost.totalOwning};
}

}  // namespace kestrava::search
