#include "report/report_figures.h"

#include <cmath>

#include "assess/verdict.h"

namespace kestrava::report {
namespace {

using assess::Assessment;
using assess::LimitKind;

QString Percent(double value) {
    return Fixed(value, 2) + QStringLiteral(" %");
}

QString Watts(double value) {
    return Whole(value) + QStringLiteral(" W");
}

QString Kilograms(double value) {
    return Whole(value) + QStringLiteral(" kg");
}

// The typed text of a voltage, or its value when nothing was typed.
QString Volts(const std::string& typed) {
    return QString::fromStdString(typed).trimmed() + QStringLiteral(" V");
}

QString LimitLabel(LimitKind kind) {
    switch (kind) {
        case LimitKind::MaxNoLoadLossW:
            return QStringLiteral("No-load loss P0");
        case LimitKind::MaxLoadLossW:
            return QStringLiteral("Load loss Pk");
        case LimitKind::MinEfficiency50:
            break;
    }
    return QStringLiteral("Efficiency at 50 % load, pf 1.0");
}

QString LimitValue(LimitKind kind, double value) {
    return kind == LimitKind::MinEfficiency50 ? Percent(value) : Watts(value);
}

QString LimitText(const assess::LimitCheck& check) {
    QString text = LimitValue(check.kind, check.value);
    if (!check.limit) return text + QStringLiteral(", no limit for this design");
    const QString bound =
        assess::IsMinimum(check.kind) ? QStringLiteral("minimum") : QStringLiteral("maximum");
    return text + QStringLiteral(", %1 %2").arg(bound, LimitValue(check.kind, *check.limit));
}

ReportSection RatingSection(const ReportDesign& design) {
    return {QStringLiteral("Rating"), {{QStringLiteral("Rating"), RatingText(design)}}};
}

ReportSection KeyResults(const ReportDesign& design) {
    const Assessment& a = design.assessment;
    const DesignRecord& r = design.record;
    const auto& full = a.efficiency[3];         // full load, pf 1.0
    const auto& fullLagging = a.efficiency[8];  // full load, pf 0.8
    ReportSection s{QStringLiteral("Key results"), {}};
    s.lines = {
        {QStringLiteral("Efficiency at full load, pf 1.0"), Percent(full.percent)},
        {QStringLiteral("Efficiency at full load, pf 0.8"), Percent(fullLagging.percent)},
        {QStringLiteral("Maximum efficiency"),
         QStringLiteral("%1 at %2 % load")
             .arg(Percent(a.maximumEfficiency.percent), Fixed(100 * a.maximumEfficiency.load, 0))},
        {QStringLiteral("No-load loss P0"), Watts(r.totalCoreLoss)},
        {QStringLiteral("Load loss Pk"), Watts(r.totalCopperLoss)},
        {QStringLiteral("Impedance"), Percent(a.impedance.percent)},
        {QStringLiteral("Regulation at full load, pf 1.0"), Percent(a.regulation[0].percent)},
        {QStringLiteral("Regulation at full load, pf 0.8 lagging"),
         Percent(a.regulation[1].percent)},
        {QStringLiteral("Core mass"), Kilograms(a.masses.core)},
        {QStringLiteral("Copper mass"), Kilograms(a.masses.copper)},
        {QStringLiteral("Oil mass"), Kilograms(a.masses.oil)},
        {QStringLiteral("Tank steel mass"), Kilograms(a.masses.tankSteel)},
        {QStringLiteral("Total mass"), Kilograms(a.masses.total)},
        {QStringLiteral("Material cost"), Whole(a.cost.material)},
        {QStringLiteral("Total owning cost"), Whole(a.cost.totalOwning)},
    };
    return s;
}

ReportSection Verdicts(const ReportDesign& design) {
    const Assessment& a = design.assessment;
    ReportSection s{QStringLiteral("Verdicts"), {}};
    if (a.clearances.empty()) {
        s.lines.push_back(
            {QStringLiteral("Consistency"), QStringLiteral("consistent"), Verdict::Pass});
    } else {
        for (const assess::ClearanceProblem& problem : a.clearances) {
            s.lines.push_back(
                {QStringLiteral("Consistency"),
                 QStringLiteral("not consistent: ") + QString::fromStdString(problem.text),
                 Verdict::Fail});
        }
    }

    if (!a.compliance) {
        s.lines.push_back({QStringLiteral("Regime"), QStringLiteral("none chosen")});
    } else {
        const assess::Compliance& c = *a.compliance;
        const QString name = QString::fromStdString(c.regime);
        s.lines.push_back({QStringLiteral("Regime"), name, VerdictOf(c.pass)});
        for (const assess::LimitCheck& check : c.limits) {
            s.lines.push_back({QStringLiteral("  ") + LimitLabel(check.kind), LimitText(check),
                               VerdictOf(check.pass)});
        }
    }

    const assess::ImpedanceCheck& z = a.impedance;
    s.lines.push_back(
        {QStringLiteral("Impedance"),
         z.minimumPercent
             ? QStringLiteral("%1, minimum %2").arg(Percent(z.percent), Percent(*z.minimumPercent))
             : QStringLiteral("%1, no recognised minimum").arg(Percent(z.percent)),
         VerdictOf(z.pass)});
    for (const assess::ShortCircuitCheck& check : a.shortCircuit) {
        const QString winding =
            check.winding == "hv" ? QStringLiteral("H.V.") : QStringLiteral("L.V.");
        const QString temperature =
            check.finalTemperature
                ? QStringLiteral("%1 °C after 2 s, limit %2 °C")
                      .arg(Fixed(*check.finalTemperature, 1), Fixed(check.limit, 0))
                : QStringLiteral("cannot carry the current for 2 s");
        s.lines.push_back(
            {QStringLiteral("Short circuit, %1 winding").arg(winding),
             QStringLiteral("%1 A/mm², %2").arg(Fixed(check.currentDensity, 2), temperature),
             check.pass ? Verdict::Pass : Verdict::Fail});
    }
    return s;
}

}  // namespace

QString Whole(double value) {
    if (!std::isfinite(value)) return QStringLiteral("n/a");
    return QString::number(std::llround(value));
}

QString Fixed(double value, int decimals) {
    if (!std::isfinite(value)) return QStringLiteral("n/a");
    return QString::number(value, 'f', decimals);
}

QString RatingText(const ReportDesign& design) {
    const DesignRecord& r = design.record;
    return QStringLiteral("%1 kVA, %2 / %3, %4, %5 Hz, tapping %6 %")
        .arg(QString::number(r.kvaRating, 'g', 10), Volts(design.texts.primary),
             Volts(design.texts.secondary), QString::fromStdString(design.texts.connection),
             QString::number(r.frequency), QString::number(r.tapping));
}

QString RulesOriginText(RulesOrigin origin) {
    switch (origin) {
        case RulesOrigin::Chosen:
            return QStringLiteral("rules chosen by hand");
        case RulesOrigin::Searched:
            return QStringLiteral("found by a design search");
        case RulesOrigin::Fixed:
            break;
    }
    return QStringLiteral("the fixed rules");
}

QString VerdictWord(Verdict verdict) {
    if (verdict == Verdict::None) return {};
    const assess::Verdict pass =
        verdict == Verdict::NotCovered ? std::nullopt : std::optional(verdict == Verdict::Pass);
    return QString::fromUtf8(assess::VerdictWord(pass));
}

Verdict VerdictOf(const std::optional<bool>& pass) {
    if (!pass) return Verdict::NotCovered;
    return *pass ? Verdict::Pass : Verdict::Fail;
}

std::vector<ReportSection> SummarySections(const ReportDesign& design) {
    return {RatingSection(design), KeyResults(design), Verdicts(design)};
}

ReportSection LossLimitSection(const ReportDesign& design) {
    const auto& compliance = design.assessment.compliance;
    ReportSection s{QStringLiteral("Losses against the regime's limits"), {}};
    if (!compliance) {
        s.lines.push_back({QStringLiteral("Regime"), QStringLiteral("none chosen")});
        return s;
    }
    s.title = QStringLiteral("Losses against %1").arg(QString::fromStdString(compliance->regime));
    if (!compliance->covered) {
        s.lines.push_back({QStringLiteral("Scope"),
                           QStringLiteral("this rating lies outside the regime"),
                           Verdict::NotCovered});
    }
    for (const assess::LimitCheck& check : compliance->limits) {
        s.lines.push_back({LimitLabel(check.kind), LimitText(check), VerdictOf(check.pass)});
    }
    return s;
}

ReportTable BillOfMaterials(const ReportDesign& design) {
    const assess::Masses& m = design.assessment.masses;
    const assess::Prices& p = design.settings.prices;
    ReportTable table{QStringLiteral("Bill of materials"),
                      {QStringLiteral("Material"), QStringLiteral("Mass"),
                       QStringLiteral("Price per kg"), QStringLiteral("Cost")},
                      {}};
    const auto row = [&](const QString& name, double mass, double price) {
        table.rows.push_back({name, Kilograms(mass), Fixed(price, 2), Whole(mass * price)});
    };
    row(QStringLiteral("Core steel, limbs"), m.coreLimb, p.coreSteel);
    row(QStringLiteral("Core steel, yokes"), m.coreYoke, p.coreSteel);
    row(QStringLiteral("H.V. copper"), m.hvCopper, p.copper);
    row(QStringLiteral("L.V. copper"), m.lvCopper, p.copper);
    row(QStringLiteral("Oil"), m.oil, p.oil);
    row(QStringLiteral("Tank steel"), m.tankSteel, p.tankSteel);
    const assess::Costs& c = design.assessment.cost;
    table.rows.push_back(
        {QStringLiteral("Total"), Kilograms(m.total), QString(), Whole(c.material)});
    table.rows.push_back({QStringLiteral("No-load loss capitalised"), QString(), QString(),
                          Whole(c.noLoadLossCapitalised)});
    table.rows.push_back({QStringLiteral("Load loss capitalised"), QString(), QString(),
                          Whole(c.loadLossCapitalised)});
    table.rows.push_back(
        {QStringLiteral("Total owning cost"), QString(), QString(), Whole(c.totalOwning)});
    return table;
}

ReportSection RulesSection(const ReportDesign& design) {
    const DesignRules& rules = design.rules;
    ReportSection s{QStringLiteral("Design rules: ") + RulesOriginText(design.origin), {}};
    s.lines = {
        {QStringLiteral("Output constant K"), Fixed(rules.outputConstant, 3)},
        {QStringLiteral("Flux density in the limbs"), Fixed(rules.coreFluxDensity, 3) + " Wb/m²"},
        {QStringLiteral("Window space factor numerator"), Fixed(rules.spaceFactorNumerator, 2)},
        {QStringLiteral("Current density"), Fixed(rules.currentDensity, 2) + " A/mm²"},
        {QStringLiteral("Window height to width"), Fixed(rules.windowRatio, 2)},
        {QStringLiteral("L.V. strips in parallel"), QString::number(rules.parallelStrips)},
        {QStringLiteral("Core steel"), QString::fromStdString(rules.steel)},
    };
    return s;
}

}  // namespace kestrava::report
