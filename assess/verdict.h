#pragma once

#include <optional>
#include <string_view>

namespace kestrava::assess {

// A check's verdict: true passes, false fails, none is not covered.
using Verdict = std::optional<bool>;

// The word the Results window and the report show for 'verdict'.
constexpr std::string_view VerdictWord(Verdict verdict) {
    if (!verdict) return "NOT COVERED";
    return *verdict ? "PASS" : "FAIL";
}

}  // namespace kestrava::assess
