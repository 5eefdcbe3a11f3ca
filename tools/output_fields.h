#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "assess/assessment_fields.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "engine/result.h"

namespace kestrava {

// One printed value: nothing (null), a number, a verdict or a text.
using FieldCell = std::variant<std::monostate, double, bool, std::string_view>;

// What one printed design holds; the rules and the assessment only when the run has them.
struct PrintedDesign {
    const DesignRecord& record;
    const DesignRules* rules = nullptr;
    const assess::Assessment* assessment = nullptr;
};

// A value that --fields can name: a record field, "consistent", "assessment.x.y" or "rules.x".
struct OutputField {
    std::string_view name;
    FieldCell (*fromDesign)(const PrintedDesign&) = nullptr;
    const assess::AssessmentField* fromAssessment = nullptr;
};

FieldCell ValueOf(const OutputField& field, const PrintedDesign& design);

// Which groups of fields a run has besides the record.
struct FieldGroups {
    bool assessment = false;  // --assess
    bool rules = false;       // --rules
};

// Every field of a run, in order: the record's fields as the record declares them,
// "consistent", then the assessment's single values and the rules when the run has them.
std::vector<OutputField> AvailableFields(FieldGroups groups);

// The fields named by 'list' ("NAME,NAME,..."), in its order; or why it was refused: an unknown
// or repeated name (with every valid name), or a group the run does not have.
Result<std::vector<OutputField>, std::string> ChooseFields(std::string_view list,
                                                           FieldGroups groups);

}  // namespace kestrava
