#pragma once

#include <QWidget>
#include <future>
#include <memory>
#include <optional>
#include <vector>

#include "assess/regime.h"
#include "engine/conductor_table.h"
#include "engine/core_steel_catalogue.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "search/design_search.h"
#include "search/refinement.h"
#include "search/ui/best_designs_table.h"

class QChartView;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace kestrava::search::ui {

class GridEditor;

// What the worker thread hands back: the grid search and, when asked for after a whole search
// with a feasible best, the refinement of that best.
struct RefinedSearchRun {
    SearchRun search;
    std::optional<Refinement> refinement;
};

// Searches the rule grid for one rating on a worker thread and shows the Pareto front, the best
// twenty designs and the fixed-rule design; "Use this design" hands the chosen design on. With
// "Refine the best design" the grid's best is refined on the same thread and listed first.
class DesignSearchWindow final : public QWidget {
    Q_OBJECT
  public:
    DesignSearchWindow(std::vector<ConductorStrip> rows, CoreSteelCatalogue steels,
                       std::vector<assess::Regime> regimes, QWidget* parent = nullptr);
    ~DesignSearchWindow() override;

    // Fills the rating boxes and forgets the last search.
    void SetRating(const DesignInputs& inputs);
    void SetSettings(const assess::AssessmentSettings& settings);
    // Replaces the grid in the editor.
    void SetGrid(const SearchGrid& grid);

    bool IsRunning() const { return running_.valid(); }
    // The last finished search, if any.
    const std::optional<SearchOutcome>& Outcome() const { return outcome_; }
    // The refinement of the last search's best, when asked for and not cancelled.
    const std::optional<Refinement>& Refined() const { return refinement_; }

  public slots:
    void Run();
    void Cancel();

  signals:
    void searchFinished();  // the search ended, whole or cancelled
    // "Use this design" or "Use the fixed-rule design": the design re-run by the engine.
    void designChosen(const kestrava::DesignRecord& record, const kestrava::DesignRules& rules);

  private:
    void BuildControls();
    QWidget* BuildRatingGroup();
    QWidget* BuildCostGroup();
    SearchRequest RequestFromControls() const;
    void Poll();
    void ShowOutcome();
    QString SummaryText() const;
    void ShowFixedRuleDesign();
    void UseSelectedDesign();
    void UseFixedRuleDesign();
    void SetRunning(bool running);

    std::vector<ConductorStrip> rows_;
    CoreSteelCatalogue steels_;
    std::vector<assess::Regime> regimes_;
    assess::AssessmentSettings settings_;

    QDoubleSpinBox* kva_ = nullptr;
    QDoubleSpinBox* primary_ = nullptr;
    QDoubleSpinBox* secondary_ = nullptr;
    QSpinBox* frequency_ = nullptr;
    QComboBox* connection_ = nullptr;
    QSpinBox* tapping_ = nullptr;
    QComboBox* regime_ = nullptr;
    QComboBox* objective_ = nullptr;
    QDoubleSpinBox* copper_ = nullptr;
    QDoubleSpinBox* oil_ = nullptr;
    QDoubleSpinBox* tankSteel_ = nullptr;
    QDoubleSpinBox* noLoadPerW_ = nullptr;
    QDoubleSpinBox* loadPerW_ = nullptr;
    GridEditor* grid_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QCheckBox* refine_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;
    QChartView* chart_ = nullptr;
    QTableWidget* best_ = nullptr;
    QPushButton* useBest_ = nullptr;
    QPushButton* useFixed_ = nullptr;
    QTimer* poll_ = nullptr;

    SearchRequest request_;  // of the running or last search
    std::unique_ptr<SearchControl> control_;
    bool refineAsked_ = false;  // of the running or last search
    std::future<RefinedSearchRun> running_;
    std::optional<SearchOutcome> outcome_;
    std::optional<Refinement> refinement_;
    std::vector<DesignRow> shown_;  // the table's rows, with the rules each row hands on
    std::optional<DesignRecord> fixedRecord_;
};

}  // namespace kestrava::search::ui

Q_DECLARE_METATYPE(kestrava::DesignRecord)
Q_DECLARE_METATYPE(kestrava::DesignRules)
