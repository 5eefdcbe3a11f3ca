#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "assess/assessment.h"

namespace kestrava::assess {

// One value of an assessment: a number, a verdict, or nothing (null in JSON).
using FieldValue = std::variant<std::monostate, double, bool>;

// A single value of the assessment under its path in the JSON record, such as
// "assessment.cost.totalOwning", for commands that print chosen fields.
struct AssessmentField {
    std::string_view name;
    FieldValue (*value)(const Assessment&);
};

// Every single value: masses, volumes, cost, the efficiency table, maximum efficiency,
// regulation, impedance, the compliance verdict and the short-circuit checks. A list's entries
// are named for what tells them apart in the JSON: the power factor ("unity" 1.0, "lagging" 0.8),
// the load in % ("load75") or the winding ("hv", "lv").
std::span<const AssessmentField> AssessmentFields();

// The field named 'name', or null.
const AssessmentField* FindAssessmentField(std::string_view name);

}  // namespace kestrava::assess
