#include "search/ui/design_search_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <variant>

#include "engine/design_transformer.h"
#include "search/ui/grid_editor.h"
#include "search/ui/pareto_chart.h"

namespace kestrava::search::ui {
namespace {

constexpr int kPollMilliseconds = 50;

QDoubleSpinBox* NewNumberBox(QWidget* parent, const char* name, double maximum, int decimals) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0.0, maximum);
    box->setDecimals(decimals);
    return box;
}

// The record of 'rules' by the ordinary engine run, if it succeeds.
std::optional<DesignRecord> DesignByEngine(const DesignInputs& inputs,
                                           const std::vector<ConductorStrip>& rows,
                                           const DesignRules& rules, const CoreSteel& steel) {
    InMemoryConductorTable table(rows);
    DesignResult result = DesignTransformer(inputs, table, rules, steel);
    if (!result.has_value()) return std::nullopt;
    return std::move(result).value();
}

}  // namespace

DesignSearchWindow::DesignSearchWindow(std::vector<ConductorStrip> rows, CoreSteelCatalogue steels,
                                       std::vector<assess::Regime> regimes, QWidget* parent)
    : QWidget(parent),
      rows_(std::move(rows)),
      steels_(std::move(steels)),
      regimes_(std::move(regimes)) {
    setWindowTitle(tr("Design search"));
    setObjectName(QStringLiteral("frmDesignSearch"));
    BuildControls();
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMilliseconds);
    connect(poll_, &QTimer::timeout, this, &DesignSearchWindow::Poll);
    SetSettings(settings_);
    SetRunning(false);
}

DesignSearchWindow::~DesignSearchWindow() {
    if (control_) control_->cancel = true;  // the future's destructor waits for the worker
}

QWidget* DesignSearchWindow::BuildRatingGroup() {
    auto* group = new QGroupBox(tr("Rating"), this);
    auto* form = new QFormLayout(group);
    kva_ = NewNumberBox(group, "kva", 1e5, 3);
    primary_ = NewNumberBox(group, "primary", 1e6, 1);
    secondary_ = NewNumberBox(group, "secondary", 1e6, 1);
    frequency_ = new QSpinBox(group);
    frequency_->setObjectName(QStringLiteral("frequency"));
    frequency_->setRange(1, 1000);
    connection_ = new QComboBox(group);
    connection_->setObjectName(QStringLiteral("connection"));
    for (const ConnectionType type : kConnectionTypes) {
        const std::string_view name = ConnectionName(type);
        connection_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    tapping_ = new QSpinBox(group);
    tapping_->setObjectName(QStringLiteral("tapping"));
    tapping_->setRange(0, 50);
    form->addRow(tr("kVA"), kva_);
    form->addRow(tr("H.V. line voltage, V"), primary_);
    form->addRow(tr("L.V. line voltage, V"), secondary_);
    form->addRow(tr("Frequency, Hz"), frequency_);
    form->addRow(tr("Connection"), connection_);
    form->addRow(tr("Tapping, %"), tapping_);
    return group;
}

QWidget* DesignSearchWindow::BuildCostGroup() {
    auto* group = new QGroupBox(tr("Constraints and costs"), this);
    auto* form = new QFormLayout(group);
    regime_ = new QComboBox(group);
    regime_->setObjectName(QStringLiteral("regime"));
    regime_->addItem(tr("None"));
    for (const assess::Regime& regime : regimes_) {
        regime_->addItem(QString::fromStdString(regime.name));
    }
    objective_ = new QComboBox(group);
    objective_->setObjectName(QStringLiteral("objective"));
    objective_->addItems({tr("Total owning cost"), tr("Material cost")});
    copper_ = NewNumberBox(group, "copperPrice", 1e4, 2);
    oil_ = NewNumberBox(group, "oilPrice", 1e4, 2);
    tankSteel_ = NewNumberBox(group, "tankSteelPrice", 1e4, 2);
    noLoadPerW_ = NewNumberBox(group, "noLoadLossPerW", 1e6, 2);
    loadPerW_ = NewNumberBox(group, "loadLossPerW", 1e6, 2);
    form->addRow(tr("Regime"), regime_);
    form->addRow(tr("Objective"), objective_);
    form->addRow(tr("Copper per kg"), copper_);
    form->addRow(tr("Oil per kg"), oil_);
    form->addRow(tr("Tank steel per kg"), tankSteel_);
    form->addRow(tr("A, per W of no-load loss"), noLoadPerW_);
    form->addRow(tr("B, per W of load loss"), loadPerW_);
    form->addRow(new QLabel(tr("Core steel: each steel's own price"), group));
    return group;
}

void DesignSearchWindow::BuildControls() {
    auto* gridGroup = new QGroupBox(tr("Grid"), this);
    grid_ = new GridEditor(gridGroup);
    (new QVBoxLayout(gridGroup))->addWidget(grid_);
    connect(grid_, &GridEditor::fileProblem, this,
            [this](const QString& problem) { summary_->setText(problem); });

    run_ = new QPushButton(tr("&Run"), this);
    run_->setObjectName(QStringLiteral("cmdRun"));
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    refine_ = new QCheckBox(tr("Refine the &best design"), this);
    refine_->setObjectName(QStringLiteral("refineBest"));
    refine_->setToolTip(tr("After a whole search, search finer grids around the best design"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    connect(run_, &QPushButton::clicked, this, &DesignSearchWindow::Run);
    connect(cancel_, &QPushButton::clicked, this, &DesignSearchWindow::Cancel);

    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("paretoChart"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumSize(520, 340);

    best_ = NewBestDesignsTable(this);

    useBest_ = new QPushButton(tr("&Use this design"), this);
    useBest_->setObjectName(QStringLiteral("cmdUseDesign"));
    useFixed_ = new QPushButton(tr("Use the &fixed-rule design"), this);
    useFixed_->setObjectName(QStringLiteral("cmdUseFixed"));
    connect(useBest_, &QPushButton::clicked, this, &DesignSearchWindow::UseSelectedDesign);
    connect(useFixed_, &QPushButton::clicked, this, &DesignSearchWindow::UseFixedRuleDesign);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildRatingGroup());
    left->addWidget(BuildCostGroup());
    left->addWidget(gridGroup);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(run_);
    runRow->addWidget(cancel_);
    runRow->addWidget(refine_);
    runRow->addWidget(progress_, 1);
    left->addLayout(runRow);
    left->addWidget(summary_);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(chart_, 3);
    right->addWidget(best_, 2);
    auto* useRow = new QHBoxLayout;
    useRow->addStretch(1);
    useRow->addWidget(useFixed_);
    useRow->addWidget(useBest_);
    right->addLayout(useRow);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right, 1);
}

void DesignSearchWindow::SetRating(const DesignInputs& inputs) {
    kva_->setValue(inputs.kvaRating);
    primary_->setValue(inputs.primaryVoltage);
    secondary_->setValue(inputs.secondaryVoltage);
    frequency_->setValue(inputs.frequency);
    connection_->setCurrentIndex(static_cast<int>(inputs.connectionType));
    tapping_->setValue(inputs.tapping);
    outcome_.reset();
    refinement_.reset();
    shown_.clear();
    fixedRecord_.reset();
    FillBestDesignsTable(*best_, shown_, false);
    chart_->setChart(new QChart);
    summary_->clear();
    SetRunning(IsRunning());
}

void DesignSearchWindow::SetSettings(const assess::AssessmentSettings& settings) {
    settings_ = settings;
    copper_->setValue(settings.prices.copper);
    oil_->setValue(settings.prices.oil);
    tankSteel_->setValue(settings.prices.tankSteel);
    noLoadPerW_->setValue(settings.capitalisation.noLoadLossPerW);
    loadPerW_->setValue(settings.capitalisation.loadLossPerW);
}

void DesignSearchWindow::SetGrid(const SearchGrid& grid) {
    grid_->SetGrid(grid);
}

SearchRequest DesignSearchWindow::RequestFromControls() const {
    SearchRequest request;
    request.inputs = {kva_->value(),
                      primary_->value(),
                      secondary_->value(),
                      static_cast<std::int16_t>(frequency_->value()),
                      ConnectionAt(connection_->currentIndex()).value_or(ConnectionType::DeltaStar),
                      static_cast<std::int16_t>(tapping_->value())};
    request.grid = grid_->Grid();
    request.settings = settings_;
    request.settings.prices.copper = copper_->value();
    request.settings.prices.oil = oil_->value();
    request.settings.prices.tankSteel = tankSteel_->value();
    request.settings.capitalisation.noLoadLossPerW = noLoadPerW_->value();
    request.settings.capitalisation.loadLossPerW = loadPerW_->value();
    const int regime = regime_->currentIndex();
    request.limits.regime = regime > 0 ? &regimes_[static_cast<std::size_t>(regime - 1)] : nullptr;
    request.objective =
        objective_->currentIndex() == 1 ? Objective::Material : Objective::TotalOwning;
    return request;
}

void DesignSearchWindow::Run() {
    if (IsRunning()) return;
    request_ = RequestFromControls();
    refineAsked_ = refine_->isChecked();
    outcome_.reset();
    refinement_.reset();
    shown_.clear();
    FillBestDesignsTable(*best_, shown_, false);
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    summary_->setText(tr("Searching %L1 candidates…").arg(CandidateCount(request_.grid)));
    control_ = std::make_unique<SearchControl>();
    SetRunning(true);
    running_ =
        std::async(std::launch::async, [this, refine = refineAsked_, control = control_.get()] {
            RefinedSearchRun run{RunDesignSearch(request_, rows_, steels_, control), std::nullopt};
            if (refine && run.search.has_value() && !run.search.value().cancelled &&
                !run.search.value().best.empty()) {
                run.refinement =
                    RefineBest(request_, run.search.value().best.front(), rows_, steels_, control);
                // A refinement cancelled part-way is dropped; the grid's result stands.
                if (control->cancel.load()) run.refinement.reset();
            }
            return run;
        });
    poll_->start();
}

void DesignSearchWindow::Cancel() {
    if (control_) control_->cancel = true;
}

void DesignSearchWindow::Poll() {
    const double total =
        static_cast<double>(std::max<std::uint64_t>(1, CandidateCount(request_.grid)));
    progress_->setValue(
        static_cast<int>(1000.0 * static_cast<double>(control_->evaluated.load()) / total));
    if (running_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    poll_->stop();
    RefinedSearchRun run = running_.get();
    SetRunning(false);
    if (run.search.has_value()) {
        outcome_ = std::move(run.search).value();
        refinement_ = std::move(run.refinement);
        ShowOutcome();
    } else {
        summary_->setText(
            tr("The grid cannot be searched: %1").arg(QString::fromStdString(run.search.error())));
    }
    emit searchFinished();
}

void DesignSearchWindow::ShowOutcome() {
    const SearchOutcome& outcome = *outcome_;
    progress_->setValue(outcome.cancelled ? progress_->value() : progress_->maximum());
    summary_->setText(SummaryText());
    shown_.clear();
    if (refinement_) {
        shown_.push_back(
            {refinement_->best.score, RulesOf(refinement_->request, refinement_->best.point)});
    }
    for (const SearchCandidate& candidate : outcome.best) {
        shown_.push_back({candidate.score, RulesOf(request_, candidate.point)});
    }
    FillBestDesignsTable(*best_, shown_, refinement_.has_value());
    ShowFixedRuleDesign();
}

QString DesignSearchWindow::SummaryText() const {
    const SearchOutcome& outcome = *outcome_;
    QString text =
        outcome.cancelled ? tr("Cancelled after %L1 candidates; ") : tr("%L1 candidates; ");
    text = text.arg(outcome.evaluated) + tr("%L1 feasible.").arg(outcome.feasible);
    if (outcome.best.empty() && outcome.nearestMiss) {
        QStringList broken;
        for (int i = 0; i < kConstraintCount; ++i) {
            if (outcome.nearestMiss->broken & Bit(static_cast<Constraint>(i))) {
                broken << QString::fromUtf8(ConstraintName(static_cast<Constraint>(i)).data());
            }
        }
        text += tr(" No design meets the constraints; the nearest miss breaks %1.")
                    .arg(broken.join(QStringLiteral(", ")));
    }
    if (refinement_) {
        text += tr(" Refinement judged %L1 more candidates: %L2 → %L3.")
                    .arg(refinement_->evaluated)
                    .arg(ObjectiveValue(request_.objective, outcome.best.front().score), 0, 'f', 2)
                    .arg(ObjectiveValue(request_.objective, refinement_->best.score), 0, 'f', 2);
    } else if (refineAsked_ && !outcome.cancelled && !outcome.best.empty()) {
        text += tr(" Refinement cancelled.");
    }
    return text;
}

void DesignSearchWindow::ShowFixedRuleDesign() {
    fixedRecord_ = DesignByEngine(request_.inputs, rows_,
                                  FixedDesignRules(request_.inputs.kvaRating), LegacySteel());
    std::optional<CandidateScore> fixedScore;
    if (fixedRecord_) {
        assess::AssessmentSettings settings = request_.settings;
        settings.prices.coreSteel = LegacySteel().pricePerKg;
        fixedScore = ScoreOf(*fixedRecord_, settings);
    }
    std::optional<CandidateScore> bestScore;
    if (!shown_.empty()) bestScore = shown_.front().score;
    QChart* old = chart_->chart();
    chart_->setChart(NewParetoChart(outcome_->front, fixedScore, bestScore));
    delete old;
    if (!fixedRecord_) summary_->setText(summary_->text() + tr(" The fixed rules give no design."));
    useFixed_->setEnabled(fixedRecord_.has_value());
    useBest_->setEnabled(!shown_.empty());
}

void DesignSearchWindow::UseSelectedDesign() {
    const auto row = static_cast<std::size_t>(std::max(0, best_->currentRow()));
    if (row >= shown_.size()) return;
    const DesignRules& rules = shown_[row].rules;
    const CoreSteel* steel = steels_.Find(rules.steel);
    if (steel == nullptr) return;
    if (auto record = DesignByEngine(request_.inputs, rows_, rules, *steel)) {
        emit designChosen(*record, rules);
    }
}

void DesignSearchWindow::UseFixedRuleDesign() {
    if (fixedRecord_) emit designChosen(*fixedRecord_, FixedDesignRules(request_.inputs.kvaRating));
}

void DesignSearchWindow::SetRunning(bool running) {
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    refine_->setEnabled(!running);
    const bool chosen = !running && outcome_.has_value();
    useBest_->setEnabled(chosen && !shown_.empty());
    useFixed_->setEnabled(chosen && fixedRecord_.has_value());
}

}  // namespace kestrava::search::ui
