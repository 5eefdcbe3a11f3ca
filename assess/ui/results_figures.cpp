#include <QChartView>
#include <QLabel>
#include <QTableWidget>
#include <cmath>

#include "assess/ui/results_charts.h"
#include "assess/ui/results_window.h"
#include "assess/ui/verdict_style.h"

// The figures of the shown design in the Results window's panels.
namespace kestrava::assess::ui {
namespace {

QString Number(double value, int decimals) {
    return std::isfinite(value) ? QString::number(value, 'f', decimals) : QStringLiteral("—");
}

QString LimitTitle(LimitKind kind) {
    switch (kind) {
        case LimitKind::MaxNoLoadLossW:
            return QStringLiteral("No-load loss P0, W");
        case LimitKind::MaxLoadLossW:
            return QStringLiteral("Load loss Pk, W");
        case LimitKind::MinEfficiency50:
            return QStringLiteral("Efficiency, 50 % load");
    }
    return {};
}

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* VerdictCell(Verdict verdict) {
    auto* item = new QTableWidgetItem(VerdictText(verdict));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(Qt::white);
    item->setBackground(VerdictColor(verdict));
    return item;
}

}  // namespace

void ResultsWindow::RefreshKeyFigures() {
    const DesignRecord& r = *record_;
    const auto set = [&](const char* name, const QString& text) {
        figures_.at(QLatin1String(name))->setText(text);
    };
    set("rating", QStringLiteral("%1 kVA, %2 Hz, %3")
                      .arg(Number(r.kvaRating, 0))
                      .arg(r.frequency)
                      .arg(QString::fromStdString(std::string(ConnectionName(r.connectionType)))));
    set("fluxDensity", Number(r.coreFluxDensity, 2) + QStringLiteral(" Wb/m²"));
    set("netIronArea", Number(r.netIronArea, 1) + QStringLiteral(" mm²"));
    set("ironLoss", Number(r.totalCoreLoss, 1) + QStringLiteral(" W"));
    set("window",
        QStringLiteral("%1 x %2 mm").arg(Number(r.windowHeight, 1), Number(r.windowWidth, 1)));
    set("turns",
        QStringLiteral("%1 / %2").arg(Number(r.lvTurnsPerPhase, 1), Number(r.hvTurnsPerPhase, 1)));
    set("conductorArea", QStringLiteral("%1 / %2 mm²")
                             .arg(Number(r.lvConductorArea, 2), Number(r.hvConductorArea, 3)));
    set("impedance", Number(r.puImpedance * 100, 2) + QStringLiteral(" %"));
    set("copperLoss", Number(r.totalCopperLoss, 1) + QStringLiteral(" W"));
    set("regulation", QStringLiteral("%1 % / %2 %")
                          .arg(Number(assessment_.regulation[0].percent, 2),
                               Number(assessment_.regulation[1].percent, 2)));
    set("tank", QStringLiteral("%1 x %2 x %3 m")
                    .arg(Number(r.tankLength, 3), Number(r.tankWidth, 3), Number(r.tankHeight, 3)));
}

void ResultsWindow::RefreshQuantities() {
    const Masses& m = assessment_.masses;
    const Volumes& v = assessment_.volumes;
    const Costs& c = assessment_.cost;
    const std::pair<const char*, QString> values[] = {
        {"coreLimbMass", Number(m.coreLimb, 1)},
        {"coreYokeMass", Number(m.coreYoke, 1)},
        {"coreMass", Number(m.core, 1)},
        {"hvCopperMass", Number(m.hvCopper, 1)},
        {"lvCopperMass", Number(m.lvCopper, 1)},
        {"copperMass", Number(m.copper, 1)},
        {"oilMass", Number(m.oil, 1)},
        {"tankSteelMass", Number(m.tankSteel, 1)},
        {"totalMass", Number(m.total, 1)},
        {"tankVolume", Number(v.tank, 3)},
        {"activePartVolume", Number(v.activePart, 3)},
        {"oilVolume", Number(v.oil, 3)},
        {"materialCost", Number(c.material, 2)},
        {"noLoadCost", Number(c.noLoadLossCapitalised, 2)},
        {"loadCost", Number(c.loadLossCapitalised, 2)},
        {"totalOwning", Number(c.totalOwning, 2)}};
    for (const auto& [name, text] : values) figures_.at(QLatin1String(name))->setText(text);
}

void ResultsWindow::RefreshEfficiency() {
    const std::size_t loads = kEfficiencyLoads.size();
    for (std::size_t i = 0; i < loads; ++i) {
        const int row = static_cast<int>(i);
        efficiencyTable_->setItem(
            row, 0, Cell(Number(kEfficiencyLoads[i] * 100, 0) + QStringLiteral(" %")));
        efficiencyTable_->setItem(row, 1, Cell(Number(assessment_.efficiency[i].percent, 3)));
        efficiencyTable_->setItem(row, 2,
                                  Cell(Number(assessment_.efficiency[i + loads].percent, 3)));
    }
    const MaximumEfficiency& best = assessment_.maximumEfficiency;
    const int last = static_cast<int>(loads);
    efficiencyTable_->setItem(last, 0,
                              Cell(QStringLiteral("%1 % (max.)").arg(Number(best.load * 100, 0))));
    efficiencyTable_->setItem(last, 1, Cell(Number(best.percent, 3)));
    efficiencyTable_->setItem(last, 2, Cell(QString()));
    ReplaceChart(*efficiencyChart_, MakeEfficiencyChart(record_->kvaRating, record_->totalCoreLoss,
                                                        record_->totalCopperLoss));
}

void ResultsWindow::RefreshCompliance() {
    const std::optional<Compliance>& compliance = assessment_.compliance;
    complianceTable_->setRowCount(compliance ? static_cast<int>(compliance->limits.size()) : 0);
    if (!compliance) {
        complianceVerdict_->clear();
        complianceVerdict_->setStyleSheet(QString());
        complianceNote_->setText(QStringLiteral("No regime chosen."));
    } else {
        ShowVerdict(*complianceVerdict_, compliance->pass);
        const Regime* regime = ChosenRegime();
        QString note = QString::fromStdString(compliance->regime);
        if (!compliance->covered) {
            note += QStringLiteral(" does not cover this design. It speaks of: ") +
                    QString::fromStdString(regime->scope.description);
        } else {
            note +=
                QStringLiteral(" (") + QString::fromStdString(regime->source) + QStringLiteral(")");
        }
        complianceNote_->setText(note);
        for (std::size_t i = 0; i < compliance->limits.size(); ++i) {
            const LimitCheck& check = compliance->limits[i];
            const int row = static_cast<int>(i);
            const int decimals = IsMinimum(check.kind) ? 3 : 1;
            complianceTable_->setItem(row, 0, Cell(LimitTitle(check.kind)));
            complianceTable_->setItem(row, 1, Cell(Number(check.value, decimals)));
            complianceTable_->setItem(
                row, 2,
                Cell(check.limit ? (IsMinimum(check.kind) ? QStringLiteral("at least ")
                                                          : QStringLiteral("at most ")) +
                                       Number(*check.limit, decimals)
                                 : QStringLiteral("—")));
            complianceTable_->setItem(row, 3, VerdictCell(check.pass));
        }
    }
    ReplaceChart(*lossChart_,
                 MakeLossLimitChart(assessment_, record_->totalCoreLoss, record_->totalCopperLoss));
}

void ResultsWindow::RefreshChecks() {
    QStringList problems;
    for (const ClearanceProblem& problem : assessment_.clearances) {
        problems << QString::fromStdString(problem.text) + QLatin1Char('.');
    }
    const bool consistent = problems.isEmpty();
    clearanceText_->setText(consistent ? QStringLiteral("Every winding fits its window and the "
                                                        "H.V. coils of adjacent limbs clear each "
                                                        "other.")
                                       : problems.join(QLatin1Char('\n')));
    consistency_->setText(consistent ? QStringLiteral("The design is consistent.")
                                     : QStringLiteral("The design is not consistent: ") +
                                           problems.join(QLatin1Char(' ')));
    consistency_->setStyleSheet(
        QStringLiteral("QLabel { color: white; background: %1; font-weight: bold; padding: 6px; }")
            .arg(VerdictColor(consistent).name()));

    const ImpedanceCheck& z = assessment_.impedance;
    figures_.at(QStringLiteral("impedanceText"))
        ->setText(
            z.minimumPercent
                ? QStringLiteral("%1 %, at least %2 % for this rating")
                      .arg(Number(z.percent, 2), Number(*z.minimumPercent, 1))
                : QStringLiteral("%1 %; no minimum above 1250 kVA").arg(Number(z.percent, 2)));
    ShowVerdict(*impedanceVerdict_, z.pass);
    const std::pair<const ShortCircuitCheck*, QLabel*> windings[] = {
        {&assessment_.shortCircuit[0], hvShortCircuitVerdict_},
        {&assessment_.shortCircuit[1], lvShortCircuitVerdict_}};
    for (const auto& [check, verdict] : windings) {
        const bool hv = check->winding == "hv";
        const QString temperature =
            check->finalTemperature
                ? QStringLiteral("reaches %1 °C").arg(Number(*check->finalTemperature, 1))
                : QStringLiteral("heats without bound");
        figures_
            .at(hv ? QStringLiteral("hvShortCircuitText") : QStringLiteral("lvShortCircuitText"))
            ->setText(QStringLiteral("%1: %2 A/mm², %3 (limit %4 °C)")
                          .arg(hv ? QStringLiteral("H.V.") : QStringLiteral("L.V."),
                               Number(check->currentDensity, 1), temperature,
                               Number(check->limit, 0)));
        ShowVerdict(*verdict, check->pass);
    }
}

}  // namespace kestrava::assess::ui
