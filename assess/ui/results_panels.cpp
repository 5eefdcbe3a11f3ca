#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <initializer_list>
#include <map>

#include "assess/ui/results_window.h"

// The panels of the Results window and their controls, empty until a design is shown.
namespace kestrava::assess::ui {
namespace {

QLabel* SectionTitle(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// One row of a figures panel: a section title when 'name' is null, else a labelled value.
struct FigureRow {
    const char* label;
    const char* name;
};

enum class FigureLook { Selectable, RightAligned };

// A panel of labelled value labels, each named and kept in 'figures' by its name.
QGroupBox* FigurePanel(const QString& title, FigureLook look, std::initializer_list<FigureRow> rows,
                       std::map<QString, QLabel*>& figures) {
    auto* box = new QGroupBox(title);
    auto* form = new QFormLayout(box);
    for (const FigureRow& row : rows) {
        const QString label = QString::fromUtf8(row.label);
        if (row.name == nullptr) {
            form->addRow(SectionTitle(label));
            continue;
        }
        auto* value = new QLabel;
        value->setObjectName(QString::fromLatin1(row.name));
        if (look == FigureLook::Selectable)
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        else
            value->setAlignment(Qt::AlignRight);
        figures[value->objectName()] = value;
        form->addRow(label, value);
    }
    return box;
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

}  // namespace

QWidget* ResultsWindow::BuildKeyFigures() {
    return FigurePanel(QStringLiteral("Key figures"), FigureLook::Selectable,
                       {{"Rating", nullptr},
                        {"Rating", "rating"},
                        {"Core", nullptr},
                        {"Flux density Bm", "fluxDensity"},
                        {"Net iron area Ai", "netIronArea"},
                        {"Iron loss, limbs + yokes", "ironLoss"},
                        {"Windows", nullptr},
                        {"Height x width", "window"},
                        {"Windings", nullptr},
                        {"Turns per phase L.V. / H.V.", "turns"},
                        {"Conductor area L.V. / H.V.", "conductorArea"},
                        {"Performance", nullptr},
                        {"Impedance", "impedance"},
                        {"Copper loss Pk", "copperLoss"},
                        {"Regulation, pf 1.0 / 0.8", "regulation"},
                        {"Tank", nullptr},
                        {"Length x width x height", "tank"}},
                       figures_);
}

QWidget* ResultsWindow::BuildQuantities() {
    return FigurePanel(QStringLiteral("Masses and costs"), FigureLook::RightAligned,
                       {{"Masses, kg", nullptr},
                        {"Core limbs", "coreLimbMass"},
                        {"Yokes", "coreYokeMass"},
                        {"Core", "coreMass"},
                        {"H.V. copper", "hvCopperMass"},
                        {"L.V. copper", "lvCopperMass"},
                        {"Copper", "copperMass"},
                        {"Oil", "oilMass"},
                        {"Tank steel", "tankSteelMass"},
                        {"Total", "totalMass"},
                        {"Volumes, m³", nullptr},
                        {"Tank", "tankVolume"},
                        {"Active part", "activePartVolume"},
                        {"Oil", "oilVolume"},
                        {"Cost", nullptr},
                        {"Materials", "materialCost"},
                        {"No-load loss capitalised (A x P0)", "noLoadCost"},
                        {"Load loss capitalised (B x Pk)", "loadCost"},
                        {"Total owning cost", "totalOwning"}},
                       figures_);
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
        if (outcome.has_value()) {
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

}  // namespace kestrava::assess::ui
