#include "assess/assessment_fields.h"

#include <algorithm>
#include <array>

namespace kestrava::assess {
namespace {

template <class T>
FieldValue Optional(const std::optional<T>& value) {
    return value ? FieldValue(*value) : FieldValue();
}

#define KESTRAVA_NUMBER(path, member)                                                \
    AssessmentField {                                                                \
        "assessment." path, [](const Assessment& a) { return FieldValue(a.member); } \
    }

constexpr std::array kFields = {
    KESTRAVA_NUMBER("masses.coreLimb", masses.coreLimb),
    KESTRAVA_NUMBER("masses.coreYoke", masses.coreYoke),
    KESTRAVA_NUMBER("masses.core", masses.core),
    KESTRAVA_NUMBER("masses.hvCopper", masses.hvCopper),
    KESTRAVA_NUMBER("masses.lvCopper", masses.lvCopper),
    KESTRAVA_NUMBER("masses.copper", masses.copper),
    KESTRAVA_NUMBER("masses.oil", masses.oil),
    KESTRAVA_NUMBER("masses.tankSteel", masses.tankSteel),
    KESTRAVA_NUMBER("masses.total", masses.total),
    KESTRAVA_NUMBER("volumes.tank", volumes.tank),
    KESTRAVA_NUMBER("volumes.activePart", volumes.activePart),
    KESTRAVA_NUMBER("volumes.oil", volumes.oil),
    KESTRAVA_NUMBER("cost.material", cost.material),
    KESTRAVA_NUMBER("cost.noLoadLossCapitalised", cost.noLoadLossCapitalised),
    KESTRAVA_NUMBER("cost.loadLossCapitalised", cost.loadLossCapitalised),
    KESTRAVA_NUMBER("cost.totalOwning", cost.totalOwning),
    KESTRAVA_NUMBER("maximumEfficiency.load", maximumEfficiency.load),
    KESTRAVA_NUMBER("maximumEfficiency.percent", maximumEfficiency.percent),
    KESTRAVA_NUMBER("impedance.percent", impedance.percent),
    AssessmentField{"assessment.impedance.minimumPercent",
                    [](const Assessment& a) { return Optional(a.impedance.minimumPercent); }},
    AssessmentField{"assessment.impedance.pass",
                    [](const Assessment& a) { return Optional(a.impedance.pass); }},
    AssessmentField{"assessment.compliance.covered",
                    [](const Assessment& a) {
                        return a.compliance ? FieldValue(a.compliance->covered) : FieldValue();
                    }},
    AssessmentField{"assessment.compliance.pass",
                    [](const Assessment& a) {
                        return a.compliance ? Optional(a.compliance->pass) : FieldValue();
                    }},
};

#undef KESTRAVA_NUMBER

}  // namespace

std::span<const AssessmentField> AssessmentFields() {
    return kFields;
}

const AssessmentField* FindAssessmentField(std::string_view name) {
    const auto found =
        std::find_if(kFields.begin(), kFields.end(),
                     [&](const AssessmentField& field) { return field.name == name; });
    return found == kFields.end() ? nullptr : &*found;
}

}  // namespace kestrava::assess
