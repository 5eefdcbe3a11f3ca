#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/result.h"

namespace kestrava::search {

// Values from 'first' to 'last' (both included when on the step) by 'step'. Each value is the
// double nearest to its decimal, as if typed, so a value re-entered as text runs the same design.
struct GridAxis {
    double first = 0.0;
    double last = 0.0;
    double step = 0.0;
};

// The flux densities tried with one steel.
struct SteelFluxAxis {
    std::string steel;
    GridAxis coreFluxDensity;
};

// The rule values a search tries: every combination of the axes. The space factor numerator is
// not searched: it stays the rating class's.
struct SearchGrid {
    GridAxis outputConstant{0.35, 0.75, 0.01};
    std::vector<SteelFluxAxis> steels{{"legacy", {1.00, 1.40, 0.05}},
                                      {"crgo-m4-027", {1.20, 1.70, 0.05}},
                                      {"hib-023", {1.20, 1.70, 0.05}}};
    GridAxis currentDensity{1.6, 3.4, 0.1};
    GridAxis windowRatio{2.0, 4.0, 0.25};
    int minParallelStrips = 1;
    int maxParallelStrips = 4;
};

// Refuses an axis that cannot be enumerated (non-positive step, last before first, more than a
// million values, a step with more than six decimals), and a grid with such an axis, without a
// steel or with a strip range that does not start at 1 or above.
Result<void, std::string> CheckAxis(const GridAxis& axis);
Result<void, std::string> CheckGrid(const SearchGrid& grid);

std::vector<double> AxisValues(const GridAxis& axis);

// How many candidates 'grid' holds.
std::uint64_t CandidateCount(const SearchGrid& grid);

}  // namespace kestrava::search
