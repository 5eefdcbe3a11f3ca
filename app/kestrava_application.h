#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

#include "app/system_info_launcher.h"
#include "cad/ui/viewer_launcher.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "records/conductor_table_database.h"
#include "records/param_record_store.h"
#include "report/report_design.h"

namespace kestrava {

class DesignSheetWindow;
namespace assess::ui {
class ResultsWindow;
}
namespace cad::ui {
class DrawingWindow;
}
class OptionWindow;
namespace search::ui {
class DesignSearchWindow;
}
class TransformerCalcWindow;
namespace ui {
class MessageBoxes;
}

// Owns the design record, the two databases and the windows, and leads the user from one
// window to the next.
class KestravaApplication final : public QObject {
    Q_OBJECT
  public:
    // 'installFolder' holds Database/ and Pics/.
    KestravaApplication(ui::MessageBoxes& boxes, QString installFolder, SystemInfoTools systemInfo);
    ~KestravaApplication() override;

    // Shows the splash, runs start-up and shows the main option window.
    void Start();

    OptionWindow* Options() const { return option_.get(); }
    // The parameter window, or null before its first use and after it was closed.
    TransformerCalcWindow* Parameters() const { return transformer_.get(); }
    // The design sheet window, or null before the first design.
    DesignSheetWindow* DesignSheet() const { return designSheet_.get(); }
    // The drawing window, or null before the first View Transformer.
    cad::ui::DrawingWindow* Drawing() const { return drawing_.get(); }
    // The Results window, or null before the first Results press.
    assess::ui::ResultsWindow* Results() const { return results_.get(); }
    // The design search window, or null before the first Design search press.
    search::ui::DesignSearchWindow* DesignSearch() const { return search_.get(); }
    const DesignRecord& Record() const { return record_; }

  signals:
    void optionWindowShown();  // start-up has finished
    void quitRequested();      // an exit question was answered Yes: end the program now

  private:
    void ShowTransformerWindow();
    void ShowAbout();
    void ShowOptions();
    void ShowDesignSheet();
    void ReturnToParameters();
    void CloseTransformerWindow();
    void ShowDrawingWindow();
    void ShowResults();
    // "Report..." and "Drawing..." of the Results window.
    void AddReportActions();
    // The Results window's design as its report shows it, or nothing before a design.
    std::optional<report::ReportDesign> ResultsReportDesign();
    void ShowDesignSearch();
    // Makes the design the search window chose the current one and shows it.
    void UseSearchedDesign(const DesignRecord& record, const DesignRules& rules);
    // Design Sheet/<the saved sheet's name, or "Design Sheet"> without an extension.
    QString SuggestedReportPath() const;

    ui::MessageBoxes& boxes_;
    QString installFolder_;
    SystemInfoTools systemInfo_;
    DesignRecord record_;
    DesignRules rules_;  // that gave record_
    report::RulesOrigin rulesOrigin_ = report::RulesOrigin::Fixed;
    ParamRecordStore store_;
    SqliteConductorTable conductorTable_;
    std::unique_ptr<OptionWindow> option_;
    std::unique_ptr<TransformerCalcWindow> transformer_;
    std::unique_ptr<DesignSheetWindow> designSheet_;
    cad::ui::ViewerLauncher cadLauncher_;  // outlives the drawing window that uses it
    std::unique_ptr<cad::ui::DrawingWindow> drawing_;
    // Prices, capitalisation and regime of the Results window, kept between runs.
    QSettings resultsSettings_{QStringLiteral("Kestrava"), QStringLiteral("Kestrava")};
    std::unique_ptr<assess::ui::ResultsWindow> results_;
    std::unique_ptr<search::ui::DesignSearchWindow> search_;
};

}  // namespace kestrava
