#include "search/search_grid.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kestrava::search {
namespace {

constexpr int kMaxDecimals = 6;
constexpr double kMaxAxisValues = 1e6;
// Far above any rule, and small enough that every value is a whole count of its decimals.
constexpr double kLargestValue = 1e6;

// The power of ten that makes 'value' whole, or 0 when more than six decimals are needed.
double DecimalScale(double value) {
    double scale = 1.0;
    for (int decimals = 0; decimals <= kMaxDecimals; ++decimals, scale *= 10.0) {
        const double scaled = value * scale;
        if (std::abs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, std::abs(scaled))) {
            return scale;
        }
    }
    return 0.0;
}

}  // namespace

Result<void, std::string> CheckAxis(const GridAxis& axis) {
    const auto refuse = [](const char* problem) { return Fail(std::string(problem)); };
    if (!std::isfinite(axis.first) || !std::isfinite(axis.last) || !std::isfinite(axis.step)) {
        return refuse("a grid value is not a number");
    }
    if (!(axis.step > 0.0)) return refuse("a grid step must be positive");
    if (axis.last < axis.first) return refuse("a grid range ends before it starts");
    if (std::abs(axis.first) > kLargestValue || std::abs(axis.last) > kLargestValue ||
        axis.step > kLargestValue) {
        return refuse("grid values must lie between -1000000 and 1000000");
    }
    if ((axis.last - axis.first) / axis.step >= kMaxAxisValues) {
        return refuse("a grid axis is too long");
    }
    if (DecimalScale(axis.first) == 0.0 || DecimalScale(axis.step) == 0.0) {
        return refuse("grid values may have at most six decimals");
    }
    // A step too small to have a decimal of its own would never advance the axis.
    const double scale = std::max(DecimalScale(axis.first), DecimalScale(axis.step));
    if (std::llround(axis.step * scale) < 1) return refuse("a grid step must be at least 0.000001");
    return {};
}

Result<void, std::string> CheckGrid(const SearchGrid& grid) {
    if (grid.steels.empty()) return Fail(std::string("the grid names no steel"));
    for (const GridAxis* axis : {&grid.outputConstant, &grid.currentDensity, &grid.windowRatio}) {
        if (auto checked = CheckAxis(*axis); !checked.has_value()) return checked;
    }
    for (const SteelFluxAxis& steel : grid.steels) {
        if (auto checked = CheckAxis(steel.coreFluxDensity); !checked.has_value()) return checked;
    }
    if (grid.minParallelStrips < 1 || grid.maxParallelStrips < grid.minParallelStrips) {
        return Fail(std::string("parallel strips must run from 1 upwards"));
    }
    return {};
}

std::vector<double> AxisValues(const GridAxis& axis) {
    std::vector<double> values;
    if (!CheckAxis(axis).has_value()) return values;
    const double scale = std::max(DecimalScale(axis.first), DecimalScale(axis.step));
    const auto first = static_cast<long long>(std::llround(axis.first * scale));
    const auto step = static_cast<long long>(std::llround(axis.step * scale));
    const auto last = static_cast<long long>(std::floor(axis.last * scale + 1e-6));
    for (long long units = first; units <= last; units += step) {
        values.push_back(static_cast<double>(units) / scale);
    }
    return values;
}

std::uint64_t CandidateCount(const SearchGrid& grid) {
    std::uint64_t fluxValues = 0;
    for (const SteelFluxAxis& steel : grid.steels)
        fluxValues += AxisValues(steel.coreFluxDensity).size();
    const auto strips = static_cast<std::uint64_t>(
        std::max(0, grid.maxParallelStrips - grid.minParallelStrips + 1));
    return fluxValues * AxisValues(grid.outputConstant).size() *
           AxisValues(grid.currentDensity).size() * AxisValues(grid.windowRatio).size() * strips;
}

}  // namespace kestrava::search
