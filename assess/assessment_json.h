#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "assess/assessment.h"

namespace kestrava::assess {

// Appends the assessment as the JSON object "assessment" of a design record, its members in the
// order of the struct; a missing value (no regime, no temperature, no limit) is null, and so is
// a non-finite number. Numbers are written in their shortest round-trip form.
void AppendAssessmentJson(std::string& out, const Assessment& assessment);

// The same object as a tree, for pretty-printing and for tests.
nlohmann::ordered_json AssessmentJson(const Assessment& assessment);

}  // namespace kestrava::assess
