#include "search/constraints.h"

#include <array>
#include <bit>

namespace kestrava::search {

int BrokenCount(ConstraintSet broken) {
    return std::popcount(broken);
}

std::string_view ConstraintName(Constraint c) {
    static constexpr std::array<std::string_view, kConstraintCount> kNames = {
        "lvEndClearance",  "hvEndClearance", "hvCoilClearance", "minimumImpedance",
        "targetImpedance", "hvShortCircuit", "lvShortCircuit",  "maxNoLoadLossW",
        "maxLoadLossW",    "minEfficiency50"};
    return kNames[static_cast<std::size_t>(c)];
}

}  // namespace kestrava::search
