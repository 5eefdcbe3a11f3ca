#pragma once

namespace kestrava {

// The design rules' own value of pi and the figures derived from it.
inline constexpr double kPi = 3.141592654;
inline constexpr double kTwoPi = 6.283185308;
inline constexpr double kMu0 = 12.566370616 / 1e7;  // H/m

}  // namespace kestrava
