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

// The four values of the short-circuit check of 'winding', entry 'index' of the list.
#define KESTRAVA_SHORT_CIRCUIT(winding, index)                                                     \
    KESTRAVA_NUMBER("shortCircuit." winding ".currentDensity",                                     \
                    shortCircuit[index].currentDensity),                                           \
        AssessmentField{                                                                           \
            "assessment.shortCircuit." winding ".finalTemperature",                                \
            [](const Assessment& a) { return Optional(a.shortCircuit[index].finalTemperature); }}, \
        KESTRAVA_NUMBER("shortCircuit." winding ".limit", shortCircuit[index].limit),              \
        KESTRAVA_NUMBER("shortCircuit." winding ".pass", shortCircuit[index].pass)

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
    // The efficiency table's entries by power factor (unity 1.0, lagging 0.8) and load in %.
    KESTRAVA_NUMBER("efficiency.unity.load25", efficiency[0].percent),
    KESTRAVA_NUMBER("efficiency.unity.load50", efficiency[1].percent),
    KESTRAVA_NUMBER("efficiency.unity.load75", efficiency[2].percent),
    KESTRAVA_NUMBER("efficiency.unity.load100", efficiency[3].percent),
    KESTRAVA_NUMBER("efficiency.unity.load125", efficiency[4].percent),
    KESTRAVA_NUMBER("efficiency.lagging.load25", efficiency[5].percent),
    KESTRAVA_NUMBER("efficiency.lagging.load50", efficiency[6].percent),
    KESTRAVA_NUMBER("efficiency.lagging.load75", efficiency[7].percent),
    KESTRAVA_NUMBER("efficiency.lagging.load100", efficiency[8].percent),
    KESTRAVA_NUMBER("efficiency.lagging.load125", efficiency[9].percent),
    KESTRAVA_NUMBER("maximumEfficiency.load", maximumEfficiency.load),
    KESTRAVA_NUMBER("maximumEfficiency.percent", maximumEfficiency.percent),
    KESTRAVA_NUMBER("regulation.unity", regulation[0].percent),
    KESTRAVA_NUMBER("regulation.lagging", regulation[1].percent),
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
    KESTRAVA_SHORT_CIRCUIT("hv", 0),
    KESTRAVA_SHORT_CIRCUIT("lv", 1),
};

#undef KESTRAVA_SHORT_CIRCUIT
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
