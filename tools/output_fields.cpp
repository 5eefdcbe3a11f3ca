#include "tools/output_fields.h"

#include <algorithm>
#include <array>

#include "engine/design_record_fields.h"
#include "engine/escaped_text.h"

namespace kestrava {
namespace {

using Design = PrintedDesign;

#define KESTRAVA_DOUBLE_FIELD(name) \
    OutputField{#name, [](const Design& d) { return FieldCell(d.record.name); }},
constexpr OutputField kDoubleFields[] = {
    KESTRAVA_DESIGN_RECORD_DOUBLE_FIELDS(KESTRAVA_DOUBLE_FIELD)};
#undef KESTRAVA_DOUBLE_FIELD

// The fields that are not doubles, each after the double field it follows in the record.
struct FollowingField {
    std::string_view after;
    OutputField field;
};
constexpr FollowingField kOtherFields[] = {
    {"secondaryVoltage",
     {"frequency",
      [](const Design& d) { return FieldCell(static_cast<double>(d.record.frequency)); }}},
    {"secondaryVoltage",
     {"connectionType",
      [](const Design& d) { return FieldCell(ConnectionName(d.record.connectionType)); }}},
    {"secondaryVoltage",
     {"tapping", [](const Design& d) { return FieldCell(static_cast<double>(d.record.tapping)); }}},
    {"secondaryVoltage",
     {"engineError", [](const Design& d) { return FieldCell(d.record.engineError); }}},
    {"secondaryVoltage",
     {"tableFound", [](const Design& d) { return FieldCell(d.record.tableFound); }}},
    {"hvTurnsPerPhase",
     {"hvCoilCount",
      [](const Design& d) { return FieldCell(static_cast<double>(d.record.hvCoilCount)); }}},
    {"hvTurnsPerCoil",
     {"hvLayerCount",
      [](const Design& d) { return FieldCell(static_cast<double>(d.record.hvLayerCount)); }}},
};

constexpr OutputField kConsistent{
    "consistent", [](const Design& d) { return FieldCell(!IsDesignInconsistent(d.record)); }};

#define KESTRAVA_RULE_FIELD(name)                                                        \
    OutputField {                                                                        \
        "rules." #name, [](const Design& d) { return FieldCell(double(d.rules->name)); } \
    }
constexpr std::array kRuleFields = {
    KESTRAVA_RULE_FIELD(outputConstant),
    KESTRAVA_RULE_FIELD(coreFluxDensity),
    KESTRAVA_RULE_FIELD(spaceFactorNumerator),
    KESTRAVA_RULE_FIELD(currentDensity),
    KESTRAVA_RULE_FIELD(windowRatio),
    KESTRAVA_RULE_FIELD(parallelStrips),
    OutputField{"rules.steel",
                [](const Design& d) { return FieldCell(std::string_view(d.rules->steel)); }},
};
#undef KESTRAVA_RULE_FIELD

const OutputField* Find(const std::vector<OutputField>& fields, std::string_view name) {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const OutputField& field) { return field.name == name; });
    return found == fields.end() ? nullptr : &*found;
}

std::string UnknownField(std::string_view name, const std::vector<OutputField>& available) {
    std::string message = "--fields: unknown field " + QuotedText(name) + "; the fields are ";
    for (const OutputField& field : available) {
        if (&field != &available.front()) message += ',';
        message += field.name;
    }
    return message;
}

}  // namespace

FieldCell ValueOf(const OutputField& field, const PrintedDesign& design) {
    if (field.fromAssessment != nullptr) {
        return std::visit([](auto value) { return FieldCell(value); },
                          field.fromAssessment->value(*design.assessment));
    }
    return field.fromDesign(design);
}

std::vector<OutputField> AvailableFields(FieldGroups groups) {
    std::vector<OutputField> fields;
    for (const OutputField& field : kDoubleFields) {
        fields.push_back(field);
        for (const FollowingField& other : kOtherFields) {
            if (other.after == field.name) fields.push_back(other.field);
        }
    }
    fields.push_back(kConsistent);
    if (groups.assessment) {
        for (const assess::AssessmentField& field : assess::AssessmentFields()) {
            fields.push_back({field.name, nullptr, &field});
        }
    }
    if (groups.rules) fields.insert(fields.end(), kRuleFields.begin(), kRuleFields.end());
    return fields;
}

Result<std::vector<OutputField>, std::string> ChooseFields(std::string_view list,
                                                           FieldGroups groups) {
    const std::vector<OutputField> available = AvailableFields(groups);
    const std::vector<OutputField> everything = AvailableFields({true, true});
    std::vector<OutputField> chosen;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        if (const OutputField* field = Find(available, name)) {
            if (Find(chosen, name) != nullptr) {
                return Fail("--fields: " + QuotedText(name) + " is named twice");
            }
            chosen.push_back(*field);
        } else if (Find(everything, name) != nullptr) {
            return Fail("--fields: " + QuotedText(name) + " needs " +
                        (name.starts_with("rules.") ? "--rules" : "--assess"));
        } else {
            return Fail(UnknownField(name, available));
        }
        if (comma == std::string_view::npos) return chosen;
        list.remove_prefix(comma + 1);
    }
}

}  // namespace kestrava
