#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "assess/assessment.h"
#include "assess/ui/assessment_settings_store.h"
#include "engine/design_record.h"
#include "ui/message_boxes.h"
#include "ui/program_window.h"

class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSettings;
class QTableWidget;
class QVBoxLayout;

namespace kestrava::assess::ui {

// Asks where the assessment goes; an empty path cancels.
using ExportPathChooser = std::function<QString(QWidget* parent)>;

// What a finished design weighs and costs, how efficient it is, and whether it fits and meets
// the chosen regime. Prices, capitalisation, wall thickness and regime are edited here, kept in
// 'store', and every change shows its figures at once.
class ResultsWindow : public kestrava::ui::ProgramWindow {
    Q_OBJECT

  public:
    // 'standardsFolder' holds the regime files.
    ResultsWindow(kestrava::ui::MessageBoxes& boxes, QSettings& store, QString standardsFolder,
                  QString appTitle, QWidget* parent = nullptr);

    // Shows the window for 'record', which outlives the window or the next call.
    void ShowDesign(const DesignRecord& record);

    // Replaces the native save dialog of Export JSON (tests answer it themselves).
    void SetExportPathChooser(ExportPathChooser chooser);

    // Adds a button to the row of actions, before Export JSON.
    QPushButton* AddActionButton(const QString& caption, const QString& objectName);

    const Assessment& ShownAssessment() const { return assessment_; }
    const DesignRecord* Record() const { return record_; }

  private:
    QWidget* BuildSettings();
    QWidget* BuildKeyFigures();
    QWidget* BuildQuantities();
    QWidget* BuildEfficiency();
    QWidget* BuildCompliance();
    QWidget* BuildChecks();
    void FillRegimes();
    void PlaceOnScreen();
    // Reads the edited settings, keeps them and shows the figures they give.
    void SettingsChanged();
    void Refresh();
    void RefreshKeyFigures();
    void RefreshQuantities();
    void RefreshEfficiency();
    void RefreshCompliance();
    void RefreshChecks();
    const Regime* ChosenRegime() const;
    void ExportJson();

    QSettings& store_;
    QString standardsFolder_;
    StoredAssessmentChoice choice_;
    std::map<std::string, Regime> regimes_;  // by file name
    const DesignRecord* record_ = nullptr;
    Assessment assessment_;
    ExportPathChooser chooseExportPath_;

    QLabel* consistency_ = nullptr;
    std::map<QString, QLabel*> figures_;  // value labels by object name
    QTableWidget* efficiencyTable_ = nullptr;
    QChartView* efficiencyChart_ = nullptr;
    QLabel* complianceVerdict_ = nullptr;
    QLabel* complianceNote_ = nullptr;
    QTableWidget* complianceTable_ = nullptr;
    QChartView* lossChart_ = nullptr;
    QLabel* clearanceText_ = nullptr;
    QLabel* impedanceVerdict_ = nullptr;
    QLabel* hvShortCircuitVerdict_ = nullptr;
    QLabel* lvShortCircuitVerdict_ = nullptr;
    QDoubleSpinBox* coreSteelPrice_ = nullptr;
    QDoubleSpinBox* copperPrice_ = nullptr;
    QDoubleSpinBox* oilPrice_ = nullptr;
    QDoubleSpinBox* tankSteelPrice_ = nullptr;
    QDoubleSpinBox* noLoadLossPerW_ = nullptr;
    QDoubleSpinBox* loadLossPerW_ = nullptr;
    QDoubleSpinBox* wallThickness_ = nullptr;
    QComboBox* regime_ = nullptr;
    QHBoxLayout* actions_ = nullptr;
    QPushButton* exportJson_ = nullptr;
};

}  // namespace kestrava::assess::ui
