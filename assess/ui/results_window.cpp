#include "assess/ui/results_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "assess/assessment_json.h"
#include "assess/ui/results_charts.h"
#include "assess/ui/verdict_style.h"
#include "ui/enter_presses_button.h"
#include "ui/message_boxes.h"

namespace kestrava::assess::ui {
namespace {

QString Number(double value, int decimals) {
    return std::isfinite(value) ? QString::number(value, 'f', decimals) : QStringLiteral("—");
}

QLabel* SectionTitle(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QDoubleSpinBox* MakeAmountBox(const QString& name, double maximum, int decimals,
                              const QString& suffix) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(0, maximum);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    box->setKeyboardTracking(false);  // one update per finished number, not per key
    return box;
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
    auto* item = new QTableWidgetItem(VerdictWord(verdict));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(Qt::white);
    item->setBackground(VerdictColour(verdict));
    return item;
}

QTableWidget* MakeTable(const QString& name, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(24);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    return table;
}

QString NativeExportPath(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export the assessment"),
                                        QDir::homePath() + QStringLiteral("/assessment.json"),
                                        QStringLiteral("JSON files (*.json)"));
}

}  // namespace

ResultsWindow::ResultsWindow(kestrava::ui::MessageBoxes& boxes, QSettings& store,
                             QString standardsFolder, QString appTitle, QWidget* parent)
    : QWidget(parent),
      boxes_(boxes, this),
      store_(store),
      standardsFolder_(std::move(standardsFolder)),
      appTitle_(std::move(appTitle)),
      choice_(LoadAssessmentChoice(store)),
      chooseExportPath_(NativeExportPath) {
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(appTitle_ + QStringLiteral(": Results"));

    consistency_ = new QLabel;
    consistency_->setObjectName(QStringLiteral("consistency"));
    consistency_->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildKeyFigures());
    left->addWidget(BuildSettings());
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildQuantities());
    middle->addWidget(BuildChecks());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(BuildEfficiency());
    right->addWidget(BuildCompliance());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 5);

    exportJson_ = new QPushButton(QStringLiteral("&Export JSON..."));
    exportJson_->setObjectName(QStringLiteral("cmdExportJson"));
    auto* close = new QPushButton(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    actions_ = new QHBoxLayout;
    actions_->addStretch();
    actions_->addWidget(exportJson_);
    actions_->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(consistency_);
    layout->addLayout(columns, 1);
    layout->addLayout(actions_);

    connect(exportJson_, &QPushButton::clicked, this, &ResultsWindow::ExportJson);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    kestrava::ui::EnterPressesButton::InstallIn(this);
}

QWidget* ResultsWindow::BuildKeyFigures() {
    auto* box = new QGroupBox(QStringLiteral("Key figures"));
    auto* form = new QFormLayout(box);
    const auto figure = [&](const QString& label, const QString& name) {
        auto* value = new QLabel;
        value->setObjectName(name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures_[name] = value;
        form->addRow(label, value);
    };
    form->addRow(SectionTitle(QStringLiteral("Rating")));
    figure(QStringLiteral("Rating"), QStringLiteral("rating"));
    form->addRow(SectionTitle(QStringLiteral("Core")));
    figure(QStringLiteral("Flux density Bm"), QStringLiteral("fluxDensity"));
    figure(QStringLiteral("Net iron area Ai"), QStringLiteral("netIronArea"));
    figure(QStringLiteral("Iron loss, limbs + yokes"), QStringLiteral("ironLoss"));
    form->addRow(SectionTitle(QStringLiteral("Windows")));
    figure(QStringLiteral("Height x width"), QStringLiteral("window"));
    form->addRow(SectionTitle(QStringLiteral("Windings")));
    figure(QStringLiteral("Turns per phase L.V. / H.V."), QStringLiteral("turns"));
    figure(QStringLiteral("Conductor area L.V. / H.V."), QStringLiteral("conductorArea"));
    form->addRow(SectionTitle(QStringLiteral("Performance")));
    figure(QStringLiteral("Impedance"), QStringLiteral("impedance"));
    figure(QStringLiteral("Copper loss Pk"), QStringLiteral("copperLoss"));
    figure(QStringLiteral("Regulation, pf 1.0 / 0.8"), QStringLiteral("regulation"));
    form->addRow(SectionTitle(QStringLiteral("Tank")));
    figure(QStringLiteral("Length x width x height"), QStringLiteral("tank"));
    return box;
}

QWidget* ResultsWindow::BuildQuantities() {
    auto* box = new QGroupBox(QStringLiteral("Masses and costs"));
    auto* form = new QFormLayout(box);
    const auto figure = [&](const QString& label, const QString& name) {
        auto* value = new QLabel;
        value->setObjectName(name);
        value->setAlignment(Qt::AlignRight);
        figures_[name] = value;
        form->addRow(label, value);
    };
    form->addRow(SectionTitle(QStringLiteral("Masses, kg")));
    figure(QStringLiteral("Core limbs"), QStringLiteral("coreLimbMass"));
    figure(QStringLiteral("Yokes"), QStringLiteral("coreYokeMass"));
    figure(QStringLiteral("Core"), QStringLiteral("coreMass"));
    figure(QStringLiteral("H.V. copper"), QStringLiteral("hvCopperMass"));
    figure(QStringLiteral("L.V. copper"), QStringLiteral("lvCopperMass"));
    figure(QStringLiteral("Copper"), QStringLiteral("copperMass"));
    figure(QStringLiteral("Oil"), QStringLiteral("oilMass"));
    figure(QStringLiteral("Tank steel"), QStringLiteral("tankSteelMass"));
    figure(QStringLiteral("Total"), QStringLiteral("totalMass"));
    form->addRow(SectionTitle(QStringLiteral("Volumes, m³")));
    figure(QStringLiteral("Tank"), QStringLiteral("tankVolume"));
    figure(QStringLiteral("Active part"), QStringLiteral("activePartVolume"));
    figure(QStringLiteral("Oil"), QStringLiteral("oilVolume"));
    form->addRow(SectionTitle(QStringLiteral("Cost")));
    figure(QStringLiteral("Materials"), QStringLiteral("materialCost"));
    figure(QStringLiteral("No-load loss capitalised (A x P0)"), QStringLiteral("noLoadCost"));
    figure(QStringLiteral("Load loss capitalised (B x Pk)"), QStringLiteral("loadCost"));
    figure(QStringLiteral("Total owning cost"), QStringLiteral("totalOwning"));
    return box;
}

QWidget* ResultsWindow::BuildSettings() {
    auto* box = new QGroupBox(QStringLiteral("Prices, capitalisation and regime"));
    auto* form = new QFormLayout(box);
    const QString perKg = QStringLiteral(" /kg");
    const QString perW = QStringLiteral(" /W");
    coreSteelPrice_ = MakeAmountBox(QStringLiteral("coreSteelPrice"), 1e6, 2, perKg);
    copperPrice_ = MakeAmountBox(QStringLiteral("copperPrice"), 1e6, 2, perKg);
    oilPrice_ = MakeAmountBox(QStringLiteral("oilPrice"), 1e6, 2, perKg);
    tankSteelPrice_ = MakeAmountBox(QStringLiteral("tankSteelPrice"), 1e6, 2, perKg);
    noLoadLossPerW_ = MakeAmountBox(QStringLiteral("noLoadLossPerW"), 1e6, 2, perW);
    loadLossPerW_ = MakeAmountBox(QStringLiteral("loadLossPerW"), 1e6, 2, perW);
    wallThickness_ = MakeAmountBox(QStringLiteral("tankWallThickness"),
                                   kMaxTankWallThickness * 1000, 1, QStringLiteral(" mm"));
    wallThickness_->setMinimum(0.1);
    form->addRow(QStringLiteral("Core steel"), coreSteelPrice_);
    form->addRow(QStringLiteral("Copper"), copperPrice_);
    form->addRow(QStringLiteral("Oil"), oilPrice_);
    form->addRow(QStringLiteral("Tank steel"), tankSteelPrice_);
    form->addRow(QStringLiteral("A, no-load loss"), noLoadLossPerW_);
    form->addRow(QStringLiteral("B, load loss"), loadLossPerW_);
    form->addRow(QStringLiteral("Tank wall thickness"), wallThickness_);
    regime_ = new QComboBox;
    regime_->setObjectName(QStringLiteral("regime"));
    form->addRow(QStringLiteral("Regime"), regime_);
    FillRegimes();

    const AssessmentSettings& s = choice_.settings;
    coreSteelPrice_->setValue(s.prices.coreSteel);
    copperPrice_->setValue(s.prices.copper);
    oilPrice_->setValue(s.prices.oil);
    tankSteelPrice_->setValue(s.prices.tankSteel);
    noLoadLossPerW_->setValue(s.capitalisation.noLoadLossPerW);
    loadLossPerW_->setValue(s.capitalisation.loadLossPerW);
    wallThickness_->setValue(s.tankWallThickness * 1000);
    for (QDoubleSpinBox* amount : {coreSteelPrice_, copperPrice_, oilPrice_, tankSteelPrice_,
                                   noLoadLossPerW_, loadLossPerW_, wallThickness_}) {
        connect(amount, &QDoubleSpinBox::valueChanged, this, &ResultsWindow::SettingsChanged);
    }
    connect(regime_, &QComboBox::currentIndexChanged, this, &ResultsWindow::SettingsChanged);
    return box;
}

void ResultsWindow::FillRegimes() {
    regime_->addItem(QStringLiteral("(none)"), QString());
    const std::filesystem::path folder = standardsFolder_.toStdString();
    for (const std::string& name : RegimeNames(folder)) {
        RegimeOutcome outcome = ReadRegimeFile(folder / (name + ".json"));
        if (outcome.ok()) {
            regime_->addItem(QString::fromStdString(outcome->name), QString::fromStdString(name));
            regimes_.emplace(name, std::move(outcome).value());
        }
    }
    const int stored = regime_->findData(choice_.regime);
    regime_->setCurrentIndex(stored >= 0 ? stored : 0);
}

QWidget* ResultsWindow::BuildEfficiency() {
    auto* box = new QGroupBox(QStringLiteral("Efficiency"));
    auto* layout = new QHBoxLayout(box);
    efficiencyTable_ = MakeTable(
        QStringLiteral("efficiencyTable"),
        {QStringLiteral("Load"), QStringLiteral("pf 1.0, %"), QStringLiteral("pf 0.8, %")});
    efficiencyTable_->setRowCount(static_cast<int>(kEfficiencyLoads.size()) + 1);
    efficiencyTable_->setMaximumWidth(300);
    efficiencyChart_ = new QChartView;
    efficiencyChart_->setObjectName(QStringLiteral("efficiencyChart"));
    efficiencyChart_->setRenderHint(QPainter::Antialiasing);
    efficiencyChart_->setMinimumSize(380, 280);
    layout->addWidget(efficiencyTable_);
    layout->addWidget(efficiencyChart_, 1);
    return box;
}

QWidget* ResultsWindow::BuildCompliance() {
    auto* box = new QGroupBox(QStringLiteral("Compliance"));
    auto* layout = new QGridLayout(box);
    complianceVerdict_ = new QLabel;
    complianceVerdict_->setObjectName(QStringLiteral("complianceVerdict"));
    complianceNote_ = new QLabel;
    complianceNote_->setObjectName(QStringLiteral("complianceNote"));
    complianceNote_->setWordWrap(true);
    complianceTable_ = MakeTable(QStringLiteral("complianceTable"),
                                 {QStringLiteral("Limit"), QStringLiteral("Design"),
                                  QStringLiteral("Limit value"), QStringLiteral("Verdict")});
    complianceTable_->setFixedHeight(104);  // the header and three limits
    lossChart_ = new QChartView;
    lossChart_->setObjectName(QStringLiteral("lossChart"));
    lossChart_->setRenderHint(QPainter::Antialiasing);
    lossChart_->setMinimumHeight(260);
    layout->addWidget(complianceVerdict_, 0, 0);
    layout->addWidget(complianceNote_, 0, 1);
    layout->addWidget(complianceTable_, 1, 0, 1, 2);
    layout->addWidget(lossChart_, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return box;
}

QWidget* ResultsWindow::BuildChecks() {
    auto* box = new QGroupBox(QStringLiteral("Fit, impedance and short circuit"));
    auto* grid = new QGridLayout(box);
    clearanceText_ = new QLabel;
    clearanceText_->setObjectName(QStringLiteral("clearances"));
    clearanceText_->setWordWrap(true);
    grid->addWidget(SectionTitle(QStringLiteral("Clearances")), 0, 0, 1, 2);
    grid->addWidget(clearanceText_, 1, 0, 1, 2);
    const auto row = [&](int at, const QString& name, QLabel*& verdict) {
        auto* text = new QLabel;
        text->setObjectName(name + QStringLiteral("Text"));
        text->setWordWrap(true);
        figures_[text->objectName()] = text;
        verdict = new QLabel;
        verdict->setObjectName(name + QStringLiteral("Verdict"));
        grid->addWidget(text, at, 0);
        grid->addWidget(verdict, at, 1, Qt::AlignTop);
    };
    grid->addWidget(SectionTitle(QStringLiteral("Impedance, IEC 60076-5 minimum")), 2, 0, 1, 2);
    row(3, QStringLiteral("impedance"), impedanceVerdict_);
    grid->addWidget(SectionTitle(QStringLiteral("Short circuit, 2 s from 105 °C")), 4, 0, 1, 2);
    row(5, QStringLiteral("hvShortCircuit"), hvShortCircuitVerdict_);
    row(6, QStringLiteral("lvShortCircuit"), lvShortCircuitVerdict_);
    grid->setColumnStretch(0, 1);
    return box;
}

void ResultsWindow::ShowDesign(const DesignRecord& record) {
    record_ = &record;
    Refresh();
    if (!isVisible()) PlaceOnScreen();
    show();
    raise();
    activateWindow();
}

void ResultsWindow::PlaceOnScreen() {
    // Large enough for both charts side by side with their tables, yet never beyond the screen.
    const QScreen* shown = screen();
    if (shown == nullptr) return;
    const QRect area = shown->availableGeometry();
    resize(QSize(1500, 940).boundedTo(area.size()));
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void ResultsWindow::SetExportPathChooser(ExportPathChooser chooser) {
    chooseExportPath_ = std::move(chooser);
}

QPushButton* ResultsWindow::AddActionButton(const QString& caption, const QString& objectName) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    actions_->insertWidget(actions_->indexOf(exportJson_), button);
    return button;
}

const Regime* ResultsWindow::ChosenRegime() const {
    const auto found = regimes_.find(choice_.regime.toStdString());
    return found == regimes_.end() ? nullptr : &found->second;
}

void ResultsWindow::SettingsChanged() {
    AssessmentSettings edited;
    edited.prices = {coreSteelPrice_->value(), copperPrice_->value(), oilPrice_->value(),
                     tankSteelPrice_->value()};
    edited.capitalisation = {noLoadLossPerW_->value(), loadLossPerW_->value()};
    edited.tankWallThickness = wallThickness_->value() / 1000;
    // The boxes' ranges keep every value acceptable; the check stays as the last word.
    if (CheckSettingsValues(edited).ok()) choice_.settings = edited;
    choice_.regime = regime_->currentData().toString();
    SaveAssessmentChoice(store_, choice_);
    Refresh();
}

void ResultsWindow::Refresh() {
    if (record_ == nullptr) return;
    assessment_ = Assess(*record_, choice_.settings, ChosenRegime());
    RefreshKeyFigures();
    RefreshQuantities();
    RefreshEfficiency();
    RefreshCompliance();
    RefreshChecks();
}

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
            .arg(VerdictColour(consistent).name()));

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

void ResultsWindow::ExportJson() {
    if (record_ == nullptr) return;
    const QString path = chooseExportPath_(this);
    if (path.isEmpty()) return;
    const std::string text = AssessmentJson(assessment_).dump(2) + '\n';
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), static_cast<qint64>(text.size())) ==
                             static_cast<qint64>(text.size()) &&
                         file.commit();
    if (!written) {
        boxes_.Show(QStringLiteral("The assessment could not be written to %1: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()),
                    kestrava::ui::MessageIcon::Critical, kestrava::ui::MessageButtons::Ok,
                    appTitle_);
    }
}

}  // namespace kestrava::assess::ui
