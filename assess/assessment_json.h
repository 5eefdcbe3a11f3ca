#pragma once

#include <nlohmann/json.hpp>

#include "assess/assessment.h"

namespace kestrava::assess {

// The assessment as the JSON object "assessment" of a design record; a missing value (no
// regime, no temperature, no limit) is null, and so is a non-finite number.
nlohmann::ordered_json AssessmentJson(const Assessment& assessment);

}  // namespace kestrava::assess
