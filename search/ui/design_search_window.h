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

class QChartView;
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

// Searches the rule grid for one rating on a worker thread and shows the Pareto front, the best
// twenty designs and the fixed-rule design; "Use this design" hands the chosen design on.
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
    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;
    QChartView* chart_ = nullptr;
    QTableWidget* best_ = nullptr;
    QPushButton* useBest_ = nullptr;
    QPushButton* useFixed_ = nullptr;
    QTimer* poll_ = nullptr;

    SearchRequest request_;  // of the running or last search
    std::unique_ptr<SearchControl> control_;
    std::future<SearchRun> running_;
    std::optional<SearchOutcome> outcome_;
    std::optional<DesignRecord> fixedRecord_;
};

}  // namespace kestrava::search::ui

Q_DECLARE_METATYPE(kestrava::DesignRecord)
Q_DECLARE_METATYPE(kestrava::DesignRules)
