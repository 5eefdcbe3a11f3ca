#pragma once

#include <cstdint>
#include <string_view>

namespace kestrava::search {

// What a candidate whose run succeeded must meet to be feasible; one bit each.
enum class Constraint : std::uint8_t {
    LvEndClearance,
    HvEndClearance,
    HvCoilClearance,
    MinimumImpedance,
    TargetImpedance,
    HvShortCircuit,
    LvShortCircuit,
    MaxNoLoadLossW,
    MaxLoadLossW,
    MinEfficiency50,
};
inline constexpr int kConstraintCount = 10;

using ConstraintSet = std::uint16_t;  // bit i set: Constraint i is broken

inline constexpr ConstraintSet Bit(Constraint c) {
    return static_cast<ConstraintSet>(1u << static_cast<unsigned>(c));
}

int BrokenCount(ConstraintSet broken);
std::string_view ConstraintName(Constraint c);

}  // namespace kestrava::search
