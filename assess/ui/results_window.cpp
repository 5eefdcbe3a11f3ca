#include "assess/ui/results_window.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QVBoxLayout>

#include "assess/assessment_json.h"
#include "ui/enter_presses_button.h"
#include "ui/message_boxes.h"

// The window's frame: its layout, showing a design, the settings' round trip and the export. The
// panels are built in results_panels.cpp and filled in results_figures.cpp.
namespace kestrava::assess::ui {
namespace {

QString NativeExportPath(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export the assessment"),
                                        QDir::homePath() + QStringLiteral("/assessment.json"),
                                        QStringLiteral("JSON files (*.json)"));
}

}  // namespace

ResultsWindow::ResultsWindow(kestrava::ui::MessageBoxes& boxes, QSettings& store,
                             QString standardsFolder, QString appTitle, QWidget* parent)
    : ProgramWindow(boxes, std::move(appTitle), QStringLiteral("frmResults"),
                    QStringLiteral(": Results"), parent),
      store_(store),
      standardsFolder_(std::move(standardsFolder)),
      choice_(LoadAssessmentChoice(store)),
      chooseExportPath_(NativeExportPath) {
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
    if (CheckSettingsValues(edited).has_value()) choice_.settings = edited;
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
