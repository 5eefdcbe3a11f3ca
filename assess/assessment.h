#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assess/assessment_settings.h"
#include "assess/regime.h"
#include "engine/design_record.h"

namespace kestrava::assess {

// kg
struct Masses {
    double coreLimb = 0, coreYoke = 0, core = 0;
    double hvCopper = 0, lvCopper = 0, copper = 0;
    double oil = 0, tankSteel = 0, total = 0;
};

// m³
struct Volumes {
    double tank = 0, activePart = 0, oil = 0;
};

struct Costs {
    double material = 0, noLoadLossCapitalised = 0, loadLossCapitalised = 0, totalOwning = 0;
};

struct EfficiencyPoint {
    double load = 0, powerFactor = 0, percent = 0;
};

struct MaximumEfficiency {
    double load = 0, percent = 0;
};

struct RegulationPoint {
    double powerFactor = 0, percent = 0;
};

// A negative clearance of the record, told for people.
struct ClearanceProblem {
    std::string_view field;
    double mm = 0;
    std::string text;
};

// One limit of a regime; 'limit' and 'pass' are empty when the design is not covered.
struct LimitCheck {
    LimitKind kind;
    double value = 0;
    std::optional<double> limit;
    std::optional<bool> pass;
};

struct Compliance {
    std::string regime;
    bool covered = false;
    std::vector<LimitCheck> limits;
    std::optional<bool> pass;  // empty when not covered
};

struct ImpedanceCheck {
    double percent = 0;
    std::optional<double> minimumPercent;  // none above the last rating band
    std::optional<bool> pass;
};

struct ShortCircuitCheck {
    std::string_view winding;                // "hv" or "lv"
    double currentDensity = 0;               // A/mm²
    std::optional<double> finalTemperature;  // °C; none when the winding cannot survive 2 s
    double limit = 0;
    bool pass = false;
};

inline constexpr std::array<double, 5> kEfficiencyLoads = {0.25, 0.5, 0.75, 1.0, 1.25};
inline constexpr std::array<double, 2> kPowerFactors = {1.0, 0.8};

struct Assessment {
    Masses masses;
    Volumes volumes;
    Costs cost;
    std::array<EfficiencyPoint, 10> efficiency;  // every load at pf 1.0, then at 0.8
    MaximumEfficiency maximumEfficiency;
    std::array<RegulationPoint, 2> regulation;
    std::vector<ClearanceProblem> clearances;
    std::optional<Compliance> compliance;  // only against a regime
    ImpedanceCheck impedance;
    std::array<ShortCircuitCheck, 2> shortCircuit;  // hv, lv
};

// Efficiency in % of a transformer of 'kva' with losses p0 and pk at 'load' and 'powerFactor'.
double EfficiencyPercent(double kva, double p0, double pk, double load, double powerFactor);

// The parts of the assessment a design search needs per candidate; none allocates.
Costs CostsOf(const DesignRecord& record, const AssessmentSettings& settings);
ImpedanceCheck CheckImpedance(const DesignRecord& record);
// The thermal withstand of one winding ("hv" or "lv") of 'conductorArea' mm² at 'phaseCurrent'.
ShortCircuitCheck CheckShortCircuit(std::string_view winding, double phaseCurrent,
                                    double conductorArea, double puImpedance);
// True when the rating lies inside the regime's scope and kVA range.
bool IsCovered(const DesignRecord& record, const Regime& regime);
// The record's value of what 'kind' limits; 'efficiency50' is the efficiency at half load, pf 1.
double LimitedValue(const DesignRecord& record, LimitKind kind, double efficiency50);

// What the finished design 'record' weighs, costs and meets, against 'regime' when given.
Assessment Assess(const DesignRecord& record, const AssessmentSettings& settings,
                  const Regime* regime = nullptr);

}  // namespace kestrava::assess
