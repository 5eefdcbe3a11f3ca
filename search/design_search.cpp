#include "search/design_search.h"

#include <tbb/blocked_range.h>
#include <tbb/enumerable_thread_specific.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <tuple>

#include "engine/core_design.h"
#include "search/candidate_evaluator.h"
#include "search/pareto_front.h"

namespace kestrava::search {
namespace {

// One steel with one flux density: the outermost level of the grid.
struct SteelFlux {
    std::size_t steel = 0;
    double coreFluxDensity = 0.0;
};

// The grid's values, enumerated once.
struct GridValues {
    std::vector<SteelFlux> steelFluxes;
    std::vector<double> outputConstants;
    std::vector<double> currentDensities;
    std::vector<double> windowRatios;
    std::vector<const CoreSteel*> steels;  // by grid steel index
    std::uint64_t innerCount = 0;          // candidates per steel, flux and output constant
};

struct FrontPoint {
    double x = 0.0;
    double y = 0.0;
    SearchCandidate candidate;
};

// Lower objective first, then the earlier grid point.
struct Ranking {
    Objective objective;
    bool operator()(const SearchCandidate& a, const SearchCandidate& b) const {
        return std::tuple(ObjectiveValue(objective, a.score), a.point.ordinal) <
               std::tuple(ObjectiveValue(objective, b.score), b.point.ordinal);
    }
};

// Fewer broken constraints first, then the ranking.
struct MissRanking {
    Ranking ranking;
    bool operator()(const SearchCandidate& a, const SearchCandidate& b) const {
        const int brokenA = BrokenCount(a.broken);
        const int brokenB = BrokenCount(b.broken);
        return brokenA != brokenB ? brokenA < brokenB : ranking(a, b);
    }
};

// What one thread found.
struct ThreadFindings {
    std::uint64_t evaluated = 0;
    std::uint64_t feasible = 0;
    std::vector<SearchCandidate> best;
    std::vector<FrontPoint> front;
    std::optional<SearchCandidate> nearestMiss;
};

class ThreadSearch {
  public:
    ThreadSearch(const SearchRequest& request, std::span<const ConductorStrip> rows,
                 const GridValues& grid)
        : request_(request),
          grid_(grid),
          evaluator_(request.inputs, rows, grid.currentDensities, request.grid.maxParallelStrips),
          rules_(RulesOf(request, {})),
          settings_(request.settings),
          ranking_{request.objective} {}

    // Every candidate under outer item 'item' (a steel, flux density and output constant).
    void SearchOuterItem(std::uint64_t item) {
        const SteelFlux& steelFlux = grid_.steelFluxes[item / grid_.outputConstants.size()];
        const CoreSteel& steel = *grid_.steels[steelFlux.steel];
        settings_.prices.coreSteel = steel.pricePerKg;
        rules_.steel = steel.name;
        GridPoint point;
        point.steel = steelFlux.steel;
        point.coreFluxDensity = steelFlux.coreFluxDensity;
        point.outputConstant = grid_.outputConstants[item % grid_.outputConstants.size()];
        point.ordinal = item * grid_.innerCount;
        rules_.coreFluxDensity = point.coreFluxDensity;
        rules_.outputConstant = point.outputConstant;
        for (std::size_t d = 0; d < grid_.currentDensities.size(); ++d) {
            point.currentDensity = rules_.currentDensity = grid_.currentDensities[d];
            for (const double ratio : grid_.windowRatios) {
                point.windowRatio = rules_.windowRatio = ratio;
                for (int strips = request_.grid.minParallelStrips;
                     strips <= request_.grid.maxParallelStrips; ++strips, ++point.ordinal) {
                    point.parallelStrips = rules_.parallelStrips = strips;
                    Record(point, evaluator_.Judge(rules_, steel, d, request_.limits, settings_));
                }
            }
        }
        findings_.evaluated += grid_.innerCount;
    }

    ThreadFindings& Findings() { return findings_; }

  private:
    void Record(const GridPoint& point, const CandidateVerdict& verdict) {
        if (!verdict.ran) return;
        const SearchCandidate candidate{point, verdict.score, verdict.broken};
        if (verdict.broken != 0) {
            if (findings_.feasible == 0 &&
                (!findings_.nearestMiss ||
                 MissRanking{ranking_}(candidate, *findings_.nearestMiss))) {
                findings_.nearestMiss = candidate;
            }
            return;
        }
        ++findings_.feasible;
        KeepIfAmongBest(candidate);
        front_.Add({verdict.score.material, verdict.score.lossCapitalisation, candidate});
    }

    void KeepIfAmongBest(const SearchCandidate& candidate) {
        auto& best = findings_.best;
        if (best.size() == request_.keepBest && !ranking_(candidate, best.back())) return;
        best.insert(std::upper_bound(best.begin(), best.end(), candidate, ranking_), candidate);
        if (best.size() > request_.keepBest) best.pop_back();
    }

  public:
    void CloseFront() { findings_.front = front_.Points(); }

  private:
    const SearchRequest& request_;
    const GridValues& grid_;
    CandidateEvaluator evaluator_;
    DesignRules rules_;
    assess::AssessmentSettings settings_;
    Ranking ranking_;
    ParetoFront<FrontPoint> front_;
    ThreadFindings findings_;
};

Result<void, std::string> FillGridValues(const SearchRequest& request,
                                         const CoreSteelCatalogue& steels, GridValues& values) {
    const SearchGrid& grid = request.grid;
    if (auto checked = CheckGrid(grid); !checked.has_value()) return checked;
    if (request.keepBest == 0) return Fail(std::string("the search must keep at least one design"));
    for (std::size_t s = 0; s < grid.steels.size(); ++s) {
        const CoreSteel* steel = steels.Find(grid.steels[s].steel);
        if (steel == nullptr)
            return Fail("the grid names the unknown steel \"" + grid.steels[s].steel + '"');
        values.steels.push_back(steel);
        for (const double flux : AxisValues(grid.steels[s].coreFluxDensity)) {
            if (auto onCurves = CheckFluxOnCurves(*steel, flux, YokeFluxDensity(flux));
                !onCurves.has_value()) {
                return Fail("the grid's " + onCurves.error());
            }
            values.steelFluxes.push_back({s, flux});
        }
    }
    values.outputConstants = AxisValues(grid.outputConstant);
    values.currentDensities = AxisValues(grid.currentDensity);
    values.windowRatios = AxisValues(grid.windowRatio);
    for (const double first : {values.outputConstants.front(), values.currentDensities.front(),
                               values.windowRatios.front()}) {
        if (!(first > 0.0)) return Fail(std::string("grid values must be positive"));
    }
    const auto strips =
        static_cast<std::uint64_t>(grid.maxParallelStrips - grid.minParallelStrips + 1);
    values.innerCount = values.currentDensities.size() * values.windowRatios.size() * strips;
    return {};
}

SearchOutcome Merge(const SearchRequest& request,
                    tbb::enumerable_thread_specific<ThreadSearch>& threads) {
    SearchOutcome outcome;
    const Ranking ranking{request.objective};
    std::vector<FrontPoint> frontPoints;
    for (ThreadSearch& thread : threads) {
        thread.CloseFront();
        ThreadFindings& found = thread.Findings();
        outcome.evaluated += found.evaluated;
        outcome.feasible += found.feasible;
        outcome.best.insert(outcome.best.end(), found.best.begin(), found.best.end());
        frontPoints.insert(frontPoints.end(), found.front.begin(), found.front.end());
        if (found.nearestMiss && (!outcome.nearestMiss ||
                                  MissRanking{ranking}(*found.nearestMiss, *outcome.nearestMiss))) {
            outcome.nearestMiss = found.nearestMiss;
        }
    }
    std::sort(outcome.best.begin(), outcome.best.end(), ranking);
    if (outcome.best.size() > request.keepBest) outcome.best.resize(request.keepBest);
    // Re-adding in one fixed order makes the front independent of how threads split the grid.
    std::sort(frontPoints.begin(), frontPoints.end(), [](const FrontPoint& a, const FrontPoint& b) {
        return std::tuple(a.x, a.y, a.candidate.point.ordinal) <
               std::tuple(b.x, b.y, b.candidate.point.ordinal);
    });
    ParetoFront<FrontPoint> front;
    for (const FrontPoint& point : frontPoints) front.Add(point);
    for (const FrontPoint& point : front.Points()) outcome.front.push_back(point.candidate);
    if (outcome.feasible > 0) outcome.nearestMiss.reset();
    return outcome;
}

}  // namespace

double ObjectiveValue(Objective objective, const CandidateScore& score) {
    return objective == Objective::Material ? score.material : score.totalOwning;
}

DesignRules RulesOf(const SearchRequest& request, const GridPoint& point) {
    DesignRules rules = FixedDesignRules(request.inputs.kvaRating);
    rules.outputConstant = point.outputConstant;
    rules.coreFluxDensity = point.coreFluxDensity;
    rules.currentDensity = point.currentDensity;
    rules.windowRatio = point.windowRatio;
    rules.parallelStrips = point.parallelStrips;
    if (point.steel < request.grid.steels.size())
        rules.steel = request.grid.steels[point.steel].steel;
    return rules;
}

SearchRun RunDesignSearch(const SearchRequest& request, std::span<const ConductorStrip> rows,
                          const CoreSteelCatalogue& steels, SearchControl* control) {
    GridValues grid;
    if (auto filled = FillGridValues(request, steels, grid); !filled.has_value()) {
        return Fail(filled.error());
    }
    tbb::enumerable_thread_specific<ThreadSearch> threads(
        [&] { return ThreadSearch(request, rows, grid); });
    const std::uint64_t outerCount = grid.steelFluxes.size() * grid.outputConstants.size();
    bool cancelled = false;
    tbb::parallel_for(tbb::blocked_range<std::uint64_t>(0, outerCount, 1),
                      [&](const tbb::blocked_range<std::uint64_t>& items) {
                          ThreadSearch& thread = threads.local();
                          for (std::uint64_t item = items.begin(); item != items.end(); ++item) {
                              if (control != nullptr && control->cancel.load()) return;
                              thread.SearchOuterItem(item);
                              if (control != nullptr) control->evaluated += grid.innerCount;
                          }
                      });
    if (control != nullptr) cancelled = control->cancel.load();
    SearchOutcome outcome = Merge(request, threads);
    outcome.cancelled = cancelled;
    return outcome;
}

}  // namespace kestrava::search
