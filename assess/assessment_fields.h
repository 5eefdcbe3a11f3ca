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

// Every single value: masses, volumes, cost, maximum efficiency, impedance and the compliance
// verdict, in the order of the JSON object.
std::span<const AssessmentField> AssessmentFields();

// The field named 'name', or null.
const AssessmentField* FindAssessmentField(std::string_view name);

}  // namespace kestrava::assess
