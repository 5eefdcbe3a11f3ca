#pragma once

#include <stdexcept>
#include <string>

namespace kestrava {

// Ends a design run; what() is the description shown after "Error: ".
class RunTimeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Descriptions of the arithmetic failures of a run.
inline constexpr const char* kDivisionByZeroText = "Division by zero";
inline constexpr const char* kNegativeSquareRootText =
    "Invalid procedure call or argument (square root of a negative number)";
inline constexpr const char* kOverflowText = "Overflow";
inline constexpr const char* kNotFiniteRatingText =
    "Invalid procedure call or argument (a rating is not a finite number)";

}  // namespace kestrava
