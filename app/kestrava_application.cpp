#include "app/kestrava_application.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "app/about_window.h"
#include "app/app_identity.h"
#include "app/option_window.h"
#include "app/splash_window.h"
#include "app/startup_procedure.h"
#include "app/transformer_calc_window.h"
#include "assess/ui/assessment_settings_store.h"
#include "assess/ui/results_window.h"
#include "cad/ui/drawing_window.h"
#include "engine/core_steel_catalogue.h"
#include "engine/installation_paths.h"
#include "engine/number_text.h"
#include "report/ui/report_actions.h"
#include "search/ui/design_search_window.h"
#include "sheet/ui/design_sheet_window.h"
#include "ui/path_text.h"

namespace kestrava {

KestravaApplication::KestravaApplication(ui::MessageBoxes& boxes, QString installFolder,
                                         SystemInfoTools systemInfo)
    : boxes_(boxes),
      installFolder_(std::move(installFolder)),
      systemInfo_(std::move(systemInfo)),
      store_(ParamRecordFile(ui::FsPath(installFolder_))),
      conductorTable_(ConductorTableFile(ui::FsPath(installFolder_))) {}

KestravaApplication::~KestravaApplication() = default;

void KestravaApplication::Start() {
    SplashWindow splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();
    RunStartup(
        splash, record_,
        [this]() -> OptionWindow& {
            option_ = std::make_unique<OptionWindow>(boxes_, AppTitle());
            connect(option_.get(), &OptionWindow::transformerRequested, this,
                    &KestravaApplication::ShowTransformerWindow);
            connect(option_.get(), &OptionWindow::aboutRequested, this,
                    &KestravaApplication::ShowAbout);
            connect(option_.get(), &OptionWindow::exitConfirmed, this,
                    &KestravaApplication::quitRequested);
            return *option_;
        },
        installFolder_);
    option_->show();
    emit optionWindowShown();
}

void KestravaApplication::ShowTransformerWindow() {
    if (!transformer_) {
        transformer_ = std::make_unique<TransformerCalcWindow>(boxes_, store_, conductorTable_,
                                                               record_, AppTitle());
        connect(transformer_.get(), &TransformerCalcWindow::designReady, this,
                &KestravaApplication::ShowDesignSheet);
        connect(transformer_.get(), &TransformerCalcWindow::backRequested, this,
                &KestravaApplication::ShowOptions);
        connect(transformer_.get(), &TransformerCalcWindow::closedToOptions, this,
                &KestravaApplication::CloseTransformerWindow);
        connect(transformer_.get(), &TransformerCalcWindow::exitConfirmed, this,
                &KestravaApplication::quitRequested);
    }
    transformer_->show();
    option_->hide();
}

void KestravaApplication::ShowAbout() {
    AboutWindow about(boxes_, AppTitle(), systemInfo_, option_.get());
    about.exec();
}

void KestravaApplication::ShowOptions() {
    option_->show();
}

void KestravaApplication::CloseTransformerWindow() {
    // The window is still inside its close handling; it is destroyed once that returns, and the
    // next request builds it anew.
    transformer_.release()->deleteLater();
    ShowOptions();
}

void KestravaApplication::ShowDesignSheet() {
    if (!designSheet_) {
        designSheet_ =
            std::make_unique<DesignSheetWindow>(boxes_, store_, installFolder_, AppTitle());
        connect(designSheet_.get(), &DesignSheetWindow::backConfirmed, this,
                &KestravaApplication::ReturnToParameters);
        connect(designSheet_.get(), &DesignSheetWindow::viewTransformerRequested, this,
                &KestravaApplication::ShowDrawingWindow);
        connect(designSheet_.get(), &DesignSheetWindow::exitConfirmed, this,
                &KestravaApplication::quitRequested);
        connect(designSheet_.get(), &DesignSheetWindow::resultsRequested, this,
                &KestravaApplication::ShowResults);
    }
    rules_ = FixedDesignRules(record_.kvaRating);
    rulesOrigin_ = report::RulesOrigin::Fixed;
    designSheet_->ShowDesign(record_, transformer_->CurrentTexts());
}

void KestravaApplication::ShowDrawingWindow() {
    if (!drawing_) {
        drawing_ = std::make_unique<cad::ui::DrawingWindow>(boxes_, cadLauncher_, installFolder_,
                                                            AppTitle());
        connect(drawing_.get(), &cad::ui::DrawingWindow::backRequested, designSheet_.get(),
                &QWidget::show);
        connect(drawing_.get(), &cad::ui::DrawingWindow::exitConfirmed, this,
                &KestravaApplication::quitRequested);
        cadLauncher_.KeepClearOf(drawing_.get());
    }
    drawing_->OpenForDesign(record_);
}

void KestravaApplication::ShowResults() {
    if (!results_) {
        results_ = std::make_unique<assess::ui::ResultsWindow>(
            boxes_, resultsSettings_, ui::PathText(StandardsFolder(ui::FsPath(installFolder_))),
            AppTitle());
        AddReportActions();
        connect(results_->AddActionButton(QStringLiteral("Design &search..."),
                                          QStringLiteral("cmdDesignSearch")),
                &QPushButton::clicked, this, &KestravaApplication::ShowDesignSearch);
    }
    results_->ShowDesign(record_);
}

void KestravaApplication::ShowDesignSearch() {
    const QDir standards(ui::PathText(StandardsFolder(ui::FsPath(installFolder_))));
    if (!search_) {
        std::vector<assess::Regime> regimes;
        const QStringList files =
            standards.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            auto read = assess::ReadRegimeFile(standards.filePath(file).toStdString());
            if (read.has_value()) regimes.push_back(std::move(read).value());
        }
        // An unreadable table leaves the search without strips; its runs then report it.
        const ConductorRows opened = conductorTable_.OpenRows();
        std::vector<ConductorStrip> rows;
        if (opened.has_value()) rows.assign(opened.value().begin(), opened.value().end());
        // Likewise unreadable steels leave it without steels.
        LoadedCoreSteels steels = LoadCoreSteels(CoreSteelsFile(ui::FsPath(installFolder_)));
        search_ = std::make_unique<search::ui::DesignSearchWindow>(
            std::move(rows), steels.has_value() ? std::move(steels).value() : CoreSteelCatalogue{},
            std::move(regimes));
        search_->setWindowTitle(AppTitle() + QStringLiteral(" - Design search"));
        connect(search_.get(), &search::ui::DesignSearchWindow::designChosen, this,
                &KestravaApplication::UseSearchedDesign);
    }
    // The record holds phase voltages; the line voltages are the texts the user typed.
    const RatingTexts texts = transformer_ ? transformer_->CurrentTexts() : RatingTexts{};
    search_->SetRating({record_.kvaRating, ReadLeadingNumber(texts.primary),
                        ReadLeadingNumber(texts.secondary), record_.frequency,
                        record_.connectionType, record_.tapping});
    search_->SetSettings(assess::ui::LoadAssessmentChoice(resultsSettings_).settings);
    search_->show();
    search_->raise();
}

void KestravaApplication::UseSearchedDesign(const DesignRecord& record, const DesignRules& rules) {
    record_ = record;
    rules_ = rules;
    rulesOrigin_ = report::RulesOrigin::Searched;
    if (designSheet_ && transformer_)
        designSheet_->ShowDesign(record_, transformer_->CurrentTexts());
    if (results_) results_->ShowDesign(record_);
}

void KestravaApplication::AddReportActions() {
    QPushButton* report =
        results_->AddActionButton(QStringLiteral("&Report..."), QStringLiteral("cmdReport"));
    QPushButton* drawing =
        results_->AddActionButton(QStringLiteral("&Drawing..."), QStringLiteral("cmdDrawing"));
    // Parented to the window, which deletes it.
    new report::ui::ReportActions(
        *results_, *report, *drawing, boxes_, AppTitle(),
        {[this] { return ResultsReportDesign(); }, [this] { return SuggestedReportPath(); }});
}

std::optional<report::ReportDesign> KestravaApplication::ResultsReportDesign() {
    if (!results_ || !results_->Record() || !transformer_) return std::nullopt;
    const DesignRecord& record = *results_->Record();
    const RatingTexts texts = transformer_->CurrentTexts();
    return report::ReportDesign{record,
                                texts,
                                assess::ui::LoadAssessmentChoice(resultsSettings_).settings,
                                results_->ShownAssessment(),
                                rules_,
                                rulesOrigin_,
                                QDate::currentDate().toString(Qt::ISODate)};
}

QString KestravaApplication::SuggestedReportPath() const {
    const QString sheet = designSheet_ ? designSheet_->SheetFileName() : QString();
    const QString name =
        sheet.isEmpty() ? QStringLiteral("Design Sheet") : QFileInfo(sheet).completeBaseName();
    return ui::PathText(DesignSheetFolder(ui::FsPath(installFolder_)) / ui::FsPath(name));
}

void KestravaApplication::ReturnToParameters() {
    // The next design overwrites the record the Results window shows.
    if (results_) results_->hide();
    if (!transformer_) {
        ShowTransformerWindow();
        return;
    }
    transformer_->RefillRecordList();
    transformer_->show();
}

}  // namespace kestrava
