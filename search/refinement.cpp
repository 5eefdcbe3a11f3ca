#include "search/refinement.h"

#include <algorithm>

namespace kestrava::search {
namespace {

constexpr double kStepDivisor = 5.0;

// One step of 'axis' either side of 'centre', by a fifth of the step, inside 'bounds'.
GridAxis LocalAxis(const GridAxis& axis, const GridAxis& bounds, double centre) {
    const double step = axis.step / kStepDivisor;
    return {std::max(bounds.first, centre - axis.step), std::min(bounds.last, centre + axis.step),
            step};
}

}  // namespace

Refinement RefineBest(const SearchRequest& request, const SearchCandidate& best,
                      std::span<const ConductorStrip> rows, const CoreSteelCatalogue& steels,
                      SearchControl* control, int rounds) {
    Refinement refined{request, best, 0};
    const SearchGrid& bounds = request.grid;
    const GridAxis boundsFlux = bounds.steels[best.point.steel].coreFluxDensity;
    for (int round = 0; round < rounds; ++round) {
        const SearchGrid& last = refined.request.grid;
        const GridPoint& centre = refined.best.point;
        SearchRequest local = refined.request;
        local.keepBest = 1;
        local.grid.outputConstant =
            LocalAxis(last.outputConstant, bounds.outputConstant, centre.outputConstant);
        local.grid.currentDensity =
            LocalAxis(last.currentDensity, bounds.currentDensity, centre.currentDensity);
        local.grid.windowRatio =
            LocalAxis(last.windowRatio, bounds.windowRatio, centre.windowRatio);
        local.grid.steels = {
            {last.steels[centre.steel].steel, LocalAxis(last.steels[centre.steel].coreFluxDensity,
                                                        boundsFlux, centre.coreFluxDensity)}};
        local.grid.minParallelStrips = local.grid.maxParallelStrips = centre.parallelStrips;
        const SearchRun run = RunDesignSearch(local, rows, steels, control);
        if (!run.has_value()) break;
        const SearchOutcome& outcome = run.value();
        refined.evaluated += outcome.evaluated;
        if (outcome.cancelled) break;
        // The local grid holds the centre itself, so its best is never worse.
        if (outcome.best.empty()) break;
        refined.request = std::move(local);
        refined.best = outcome.best.front();
    }
    return refined;
}

}  // namespace kestrava::search
