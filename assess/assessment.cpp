#include "assess/assessment.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/connection_type.h"

namespace kestrava::assess {
namespace {

constexpr double kLimbIronFactor = 22.8e3;    // three limbs of iron at 7.6 kg per 10⁶ mm³
constexpr double kCopperDensity = 8.89;       // kg per 10³ of m × mm²
constexpr double kCoreSteelDensity = 7600.0;  // kg/m³
constexpr double kCopperDensityM3 = 8890.0;
constexpr double kOilDensity = 870.0;
constexpr double kTankSteelDensity = 7850.0;
constexpr double kAirSpaceUnderCover = 0.200;  // m

// Thermal withstand of copper for 2 s from 105 °C.
constexpr double kShortCircuitSeconds = 2.0;
constexpr double kStartTemperature = 105.0;
constexpr double kCopperInverseTemperature = 235.0;
constexpr double kCopperWithstandConstant = 106000.0;
constexpr double kCopperTemperatureLimit = 250.0;

Masses ComputeMasses(const DesignRecord& r, double wallThickness) {
    Masses m;
    m.coreLimb = kLimbIronFactor * r.netIronArea * r.windowHeight / 1e9;
    m.coreYoke = r.yokeWeight;
    m.core = m.coreLimb + m.coreYoke;
    m.hvCopper =
        3 * r.hvTurnsPerPhase * r.hvMeanTurnLength * r.hvConductorArea * kCopperDensity / 1e3;
    m.lvCopper =
        3 * r.lvTurnsPerPhase * r.lvMeanTurnLength * r.lvConductorArea * kCopperDensity / 1e3;
    m.copper = m.hvCopper + m.lvCopper;
    const double length = r.tankLength;
    const double width = r.tankWidth;
    const double height = r.tankHeight;
    const double wallArea = 2 * (length + width) * height + 2 * length * width;
    m.tankSteel = wallArea * wallThickness * kTankSteelDensity;
    return m;
}

Volumes ComputeVolumes(const DesignRecord& r, const Masses& m) {
    Volumes v;
    v.tank = r.tankHeight * r.tankLength * r.tankWidth;
    v.activePart = m.core / kCoreSteelDensity + m.copper / kCopperDensityM3;
    v.oil = r.tankLength * r.tankWidth * (r.tankHeight - kAirSpaceUnderCover) - v.activePart;
    return v;
}

// Every mass, the oil's from the volumes, which land in 'volumes' when asked for.
Masses MassesOf(const DesignRecord& r, const AssessmentSettings& settings,
                Volumes* volumes = nullptr) {
    Masses m = ComputeMasses(r, settings.tankWallThickness);
    const Volumes v = ComputeVolumes(r, m);
    m.oil = v.oil * kOilDensity;
    m.total = m.core + m.copper + m.oil + m.tankSteel;
    if (volumes != nullptr) *volumes = v;
    return m;
}

Costs ComputeCosts(const Masses& m, const AssessmentSettings& s, double p0, double pk) {
    Costs c;
    const Prices& price = s.prices;
    c.material = m.core * price.coreSteel + m.copper * price.copper + m.oil * price.oil +
                 m.tankSteel * price.tankSteel;
    c.noLoadLossCapitalised = s.capitalisation.noLoadLossPerW * p0;
    c.loadLossCapitalised = s.capitalisation.loadLossPerW * pk;
    c.totalOwning = c.material + c.noLoadLossCapitalised + c.loadLossCapitalised;
    return c;
}

// Regulation at full load after the usual second-order formula.
double RegulationPercent(double er, double ex, double powerFactor) {
    const double cosPhi = powerFactor;
    const double sinPhi = std::sqrt(1.0 - powerFactor * powerFactor);
    const double quadrature = ex * cosPhi - er * sinPhi;
    return (er * cosPhi + ex * sinPhi + quadrature * quadrature / 2) * 100;
}

std::string ClearanceText(std::string_view field, double mm) {
    char text[120];
    const double by = -mm;
    if (field == "hvCoilClearance") {
        std::snprintf(text, sizeof text, "H.V. coils of adjacent limbs overlap by %.2f mm", by);
    } else {
        const char* winding = field == "hvEndClearance" ? "H.V." : "L.V.";
        std::snprintf(text, sizeof text,
                      "%s winding is taller than the window: it overruns each end by %.2f mm",
                      winding, by);
    }
    return text;
}

std::vector<ClearanceProblem> ClearanceProblems(const DesignRecord& r) {
    std::vector<ClearanceProblem> problems;
    const std::pair<std::string_view, double> clearances[] = {
        {"lvEndClearance", r.lvEndClearance},
        {"hvEndClearance", r.hvEndClearance},
        {"hvCoilClearance", r.hvCoilClearance}};
    for (const auto& [field, mm] : clearances) {
        if (mm < 0) problems.push_back({field, mm, ClearanceText(field, mm)});
    }
    return problems;
}

bool IsInScope(const DesignRecord& r, const RegimeScope& scope) {
    const auto& frequencies = scope.frequencies;
    const bool frequencyCovered =
        frequencies.empty() ||
        std::find(frequencies.begin(), frequencies.end(), r.frequency) != frequencies.end();
    if (!frequencyCovered) return false;
    if (!scope.maxPrimaryLineVoltage) return true;
    // The record holds the phase voltage; dividing the limit the way the engine divided the
    // line voltage keeps a rating at exactly the limit inside.
    const double maxPhase = IsHvStar(r.connectionType)
                                ? *scope.maxPrimaryLineVoltage / std::sqrt(3.0)
                                : *scope.maxPrimaryLineVoltage;
    return r.primaryVoltage <= maxPhase;
}

Compliance CheckCompliance(const DesignRecord& r, const Regime& regime, double efficiency50) {
    Compliance compliance;
    compliance.regime = regime.name;
    compliance.covered = IsCovered(r, regime);
    bool allPass = true;
    for (const RegimeLimit& column : regime.limits) {
        LimitCheck check{column.kind, LimitedValue(r, column.kind, efficiency50), {}, {}};
        if (compliance.covered) {
            const double limit = LimitAt(regime, column, r.kvaRating).value_or(0);
            check.limit = limit;
            check.pass = IsMinimum(column.kind) ? check.value >= limit : check.value <= limit;
            allPass = allPass && *check.pass;
        }
        compliance.limits.push_back(check);
    }
    if (compliance.covered) compliance.pass = allPass;
    return compliance;
}

}  // namespace

// Minimum impedance by rating band; none above the last band.
ImpedanceCheck CheckImpedance(const DesignRecord& r) {
    ImpedanceCheck check;
    check.percent = r.puImpedance * 100;
    if (r.kvaRating <= 630) {
        check.minimumPercent = 4.0;
    } else if (r.kvaRating <= 1250) {
        check.minimumPercent = 5.0;
    }
    if (check.minimumPercent) check.pass = check.percent >= *check.minimumPercent;
    return check;
}

ShortCircuitCheck CheckShortCircuit(std::string_view winding, double phaseCurrent,
                                    double conductorArea, double puImpedance) {
    ShortCircuitCheck check;
    check.winding = winding;
    check.limit = kCopperTemperatureLimit;
    const double j = phaseCurrent / conductorArea / puImpedance;
    check.currentDensity = j;
    const double denominator = kCopperWithstandConstant / (j * j * kShortCircuitSeconds) - 1;
    if (!(denominator > 0)) return check;  // heats without bound: fails, no temperature
    const double rise = 2 * (kStartTemperature + kCopperInverseTemperature) / denominator;
    check.finalTemperature = kStartTemperature + rise;
    check.pass = *check.finalTemperature <= kCopperTemperatureLimit;
    return check;
}

double LimitedValue(const DesignRecord& r, LimitKind kind, double efficiency50) {
    switch (kind) {
        case LimitKind::MaxNoLoadLossW:
            return r.totalCoreLoss;
        case LimitKind::MaxLoadLossW:
            return r.totalCopperLoss;
        case LimitKind::MinEfficiency50:
            return efficiency50;
    }
    return 0;
}

bool IsCovered(const DesignRecord& r, const Regime& regime) {
    return IsInScope(r, regime.scope) && IsInKvaRange(regime, r.kvaRating);
}

Costs CostsOf(const DesignRecord& r, const AssessmentSettings& settings) {
    return ComputeCosts(MassesOf(r, settings), settings, r.totalCoreLoss, r.totalCopperLoss);
}

double EfficiencyPercent(double kva, double p0, double pk, double load, double powerFactor) {
    const double output = load * kva * 1000 * powerFactor;
    return output / (output + p0 + load * load * pk) * 100;
}

Assessment Assess(const DesignRecord& r, const AssessmentSettings& settings, const Regime* regime) {
    Assessment a;
    const double p0 = r.totalCoreLoss;
    const double pk = r.totalCopperLoss;
    a.masses = MassesOf(r, settings, &a.volumes);
    a.cost = ComputeCosts(a.masses, settings, p0, pk);

    std::size_t i = 0;
    for (const double powerFactor : kPowerFactors) {
        for (const double load : kEfficiencyLoads) {
            a.efficiency[i++] = {load, powerFactor,
                                 EfficiencyPercent(r.kvaRating, p0, pk, load, powerFactor)};
        }
    }
    const double bestLoad = std::sqrt(p0 / pk);
    a.maximumEfficiency = {bestLoad, EfficiencyPercent(r.kvaRating, p0, pk, bestLoad, 1.0)};
    for (std::size_t k = 0; k < kPowerFactors.size(); ++k) {
        a.regulation[k] = {kPowerFactors[k],
                           RegulationPercent(r.puResistance, r.puReactance, kPowerFactors[k])};
    }
    a.clearances = ClearanceProblems(r);
    if (regime != nullptr) {
        const double efficiency50 = a.efficiency[1].percent;  // half load, unity power factor
        a.compliance = CheckCompliance(r, *regime, efficiency50);
    }
    a.impedance = CheckImpedance(r);
    a.shortCircuit = {CheckShortCircuit("hv", r.hvPhaseCurrent, r.hvConductorArea, r.puImpedance),
                      CheckShortCircuit("lv", r.lvPhaseCurrent, r.lvConductorArea, r.puImpedance)};
    return a;
}

}  // namespace kestrava::assess
