#include "assess/assessment_json.h"

#include <cmath>

namespace kestrava::assess {
namespace {

using json = nlohmann::ordered_json;

json Number(double value) {
    return std::isfinite(value) ? json(value) : json(nullptr);
}

template <class T>
json Optional(const std::optional<T>& value) {
    if (!value) return nullptr;
    if constexpr (std::is_same_v<T, double>) {
        return Number(*value);
    } else {
        return *value;
    }
}

json MassesJson(const Masses& m) {
    return {{"coreLimb", Number(m.coreLimb)}, {"coreYoke", Number(m.coreYoke)},
            {"core", Number(m.core)},         {"hvCopper", Number(m.hvCopper)},
            {"lvCopper", Number(m.lvCopper)}, {"copper", Number(m.copper)},
            {"oil", Number(m.oil)},           {"tankSteel", Number(m.tankSteel)},
            {"total", Number(m.total)}};
}

json ComplianceJson(const Compliance& c) {
    json limits = json::array();
    for (const LimitCheck& check : c.limits) {
        limits.push_back({{"name", LimitName(check.kind)},
                          {"value", Number(check.value)},
                          {"limit", Optional(check.limit)},
                          {"pass", Optional(check.pass)}});
    }
    return {{"regime", c.regime},
            {"covered", c.covered},
            {"limits", limits},
            {"pass", Optional(c.pass)}};
}

}  // namespace

json AssessmentJson(const Assessment& a) {
    json efficiency = json::array();
    for (const EfficiencyPoint& point : a.efficiency) {
        efficiency.push_back({{"load", point.load},
                              {"powerFactor", point.powerFactor},
                              {"percent", Number(point.percent)}});
    }
    json regulation = json::array();
    for (const RegulationPoint& point : a.regulation) {
        regulation.push_back(
            {{"powerFactor", point.powerFactor}, {"percent", Number(point.percent)}});
    }
    json clearances = json::array();
    for (const ClearanceProblem& problem : a.clearances) {
        clearances.push_back(
            {{"field", problem.field}, {"mm", Number(problem.mm)}, {"text", problem.text}});
    }
    json shortCircuit = json::array();
    for (const ShortCircuitCheck& check : a.shortCircuit) {
        shortCircuit.push_back({{"winding", check.winding},
                                {"currentDensity", Number(check.currentDensity)},
                                {"finalTemperature", Optional(check.finalTemperature)},
                                {"limit", check.limit},
                                {"pass", check.pass}});
    }
    const Volumes& v = a.volumes;
    const Costs& c = a.cost;
    return {
        {"masses", MassesJson(a.masses)},
        {"volumes",
         {{"tank", Number(v.tank)}, {"activePart", Number(v.activePart)}, {"oil", Number(v.oil)}}},
        {"cost",
         {{"material", Number(c.material)},
          {"noLoadLossCapitalised", Number(c.noLoadLossCapitalised)},
          {"loadLossCapitalised", Number(c.loadLossCapitalised)},
          {"totalOwning", Number(c.totalOwning)}}},
        {"efficiency", efficiency},
        {"maximumEfficiency",
         {{"load", Number(a.maximumEfficiency.load)},
          {"percent", Number(a.maximumEfficiency.percent)}}},
        {"regulation", regulation},
        {"clearances", clearances},
        {"compliance", a.compliance ? ComplianceJson(*a.compliance) : json(nullptr)},
        {"impedance",
         {{"percent", Number(a.impedance.percent)},
          {"minimumPercent", Optional(a.impedance.minimumPercent)},
          {"pass", Optional(a.impedance.pass)}}},
        {"shortCircuit", shortCircuit}};
}

}  // namespace kestrava::assess
