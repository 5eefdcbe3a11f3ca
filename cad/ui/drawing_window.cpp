#include "cad/ui/drawing_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>
#include <utility>

#include "cad/ui/drawing_progress_window.h"
#include "cad/ui/report_cad_error.h"
#include "cad/ui/single_instance_guard.h"
#include "cad/ui/step_views.h"
#include "ui/enter_presses_button.h"
#include "ui/exit_question.h"
#include "ui/path_text.h"
#include "ui/window_placement.h"
#include "ui/window_widgets.h"

namespace kestrava::cad::ui {
namespace {

using kestrava::ui::MessageAnswer;
using kestrava::ui::MessageButtons;
using kestrava::ui::MessageIcon;

CadError NoWorkspaceError() {
    return CadError{kNoWorkspace, "No workspace was started"};
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(kestrava::ui::WindowFont());
    return label;
}

QGroupBox* Group(const QString& caption, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setFont(kestrava::ui::WindowFont());
    return group;
}

}  // namespace

DrawingWindow::DrawingWindow(kestrava::ui::MessageBoxes& boxes, CadLauncher& launcher,
                             QString installFolder, QString appTitle, QWidget* parent)
    : ProgramWindow(boxes, std::move(appTitle), QStringLiteral("frmDraw"),
                    QStringLiteral(": View The Transformer"), parent),
      launcher_(launcher),
      installFolder_(std::move(installFolder)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildDrawGroup());
    layout->addWidget(BuildStepViewGroup());
    layout->addWidget(BuildToolGroup());
    layout->addWidget(BuildNavigationRow());
    setMinimumSize(620, 640);
    kestrava::ui::EnterPressesButton::InstallIn(this);
    kestrava::ui::CenterOnScreen(this);

    SetToolButtons(false);
    drawButton_->setEnabled(true);
    quitWorkspaceButton_->setEnabled(false);
    if (AnotherInstanceRunning()) {
        boxes_.Show(AlreadyRunningText(), MessageIcon::Critical, MessageButtons::Ok, appTitle_);
    }
}

QWidget* DrawingWindow::BuildDrawGroup() {
    QGroupBox* group = Group(QStringLiteral("Draw in AutoCAD"), this);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(
        WrappedLabel(QStringLiteral(
                         "If AutoCAD is installed in your machine, please click on the DRAW button "
                         "to view the transformer in AutoCAD."),
                     group),
        1);
    drawButton_ =
        kestrava::ui::NamedButton(QStringLiteral("cmdDrawCAD"), QStringLiteral("   Draw"), group);
    drawButton_->setMinimumWidth(110);
    connect(drawButton_, &QPushButton::clicked, this, &DrawingWindow::Draw);
    layout->addWidget(drawButton_);
    return group;
}

QWidget* DrawingWindow::BuildStepViewGroup() {
    static const std::array<QString, kStepViewCount> kDescriptions{
        QStringLiteral("View only transformer limbs."),
        QStringLiteral("View the complete core only."),
        QStringLiteral("View the complete core with low voltage winding only."),
        QStringLiteral("View the complete transformer without tank."),
        QStringLiteral("View transformer with tank."),
    };
    QGroupBox* group = Group(QStringLiteral("Step by Step View:"), this);
    auto* layout = new QGridLayout(group);
    layout->addWidget(
        WrappedLabel(QStringLiteral("You can also view the transformer step by step as it is being "
                                    "made in the factory and use some AutoCAD tools to have a "
                                    "good viewing experience."),
                     group),
        0, 0, 1, 3);
    for (int row = 0; row < kStepViewCount; ++row) {
        const int view = row + 1;
        layout->addWidget(WrappedLabel(QStringLiteral("Step %1:").arg(view), group), view, 0);
        layout->addWidget(WrappedLabel(kDescriptions[static_cast<std::size_t>(row)], group), view,
                          1);
        QPushButton* button = kestrava::ui::NamedButton(QStringLiteral("Command%1").arg(view),
                                                        QStringLiteral("View"), group);
        connect(button, &QPushButton::clicked, this, [this, view] { ShowStepView(view); });
        layout->addWidget(button, view, 2);
        stepViewButtons_[static_cast<std::size_t>(row)] = button;
    }
    layout->setColumnStretch(1, 1);
    return group;
}

QWidget* DrawingWindow::BuildToolGroup() {
    QGroupBox* group = Group(QStringLiteral("AutoCAD tools"), this);
    auto* layout = new QGridLayout(group);
    dimensionButton_ = kestrava::ui::NamedButton(QStringLiteral("cmdDimension"),
                                                 QStringLiteral("Dimension"), group);
    randomRotationButton_ = kestrava::ui::NamedButton(QStringLiteral("Command6"),
                                                      QStringLiteral("3D Random Rotation"), group);
    rotationButton_ =
        kestrava::ui::NamedButton(QStringLiteral("Command7"), QStringLiteral("3D Rotation"), group);
    zoomButton_ =
        kestrava::ui::NamedButton(QStringLiteral("cmdZoom"), QStringLiteral("Zoom to Fit"), group);
    quitWorkspaceButton_ = kestrava::ui::NamedButton(QStringLiteral("cmdQuitAC"),
                                                     QStringLiteral("&Quit AutoCad"), group);
    connect(dimensionButton_, &QPushButton::clicked, this, [this] { RunTool(kDimensionCommand); });
    connect(randomRotationButton_, &QPushButton::clicked, this,
            [this] { RunTool(kContinuousOrbitCommand); });
    connect(rotationButton_, &QPushButton::clicked, this, [this] { RunTool(kOrbitCommand); });
    connect(zoomButton_, &QPushButton::clicked, this, &DrawingWindow::ZoomToFit);
    connect(quitWorkspaceButton_, &QPushButton::clicked, this, &DrawingWindow::QuitWorkspace);
    layout->addWidget(dimensionButton_, 0, 0);
    layout->addWidget(randomRotationButton_, 0, 1);
    layout->addWidget(rotationButton_, 0, 2);
    layout->addWidget(zoomButton_, 1, 0);
    layout->addWidget(quitWorkspaceButton_, 1, 2);
    return group;
}

QWidget* DrawingWindow::BuildNavigationRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    backButton_ =
        kestrava::ui::NamedButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), row);
    backButton_->setToolTip(QStringLiteral("Click to go back"));
    backButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    exitButton_ =
        kestrava::ui::NamedButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), row);
    exitButton_->setToolTip(QStringLiteral("Click to exit"));
    exitButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(backButton_, &QPushButton::clicked, this, [this] {
        hide();
        emit backRequested();
    });
    connect(exitButton_, &QPushButton::clicked, this, &DrawingWindow::Exit);
    layout->addWidget(backButton_);
    layout->addStretch(1);
    layout->addWidget(exitButton_);
    return row;
}

void DrawingWindow::OpenForDesign(const DesignRecord& record) {
    record_ = record;
    show();
    raise();
    activateWindow();
    drawButton_->setEnabled(true);
}

void DrawingWindow::Draw() {
    {
        DrawingProgressWindow progress(boxes_, appTitle_, this);
        model_ = BuildTransformerModel(record_, launcher_, progress,
                                       kestrava::ui::FsPath(installFolder_));
    }
    // Whatever the build achieved: a failed request is reported when the user makes it.
    SetToolButtons(true);
    quitWorkspaceButton_->setEnabled(true);
    drawButton_->setEnabled(false);
}

void DrawingWindow::ShowStepView(int view) {
    if (CadStatus shown = ApplyStepView(model_.modelSolids, view); !shown.has_value()) {
        return Report(shown.error());
    }
    const ApplicationHandle& app = model_.cadConnection.acadApp;
    if (!app) return Report(NoWorkspaceError());
    if (CadStatus zoomed = app->ZoomExtents(); !zoomed.has_value()) return Report(zoomed.error());
    if (CadStatus raised = app->BringToForeground(); !raised.has_value())
        return Report(raised.error());
}

void DrawingWindow::RunTool(std::string_view command) {
    const CadConnection& connection = model_.cadConnection;
    if (!connection.acadDoc || !connection.acadApp) return Report(NoWorkspaceError());
    if (CadStatus sent = connection.acadDoc->SendCommand(command); !sent.has_value()) {
        return Report(sent.error());
    }
    if (CadStatus raised = connection.acadApp->BringToForeground(); !raised.has_value()) {
        return Report(raised.error());
    }
}

void DrawingWindow::ZoomToFit() {
    const ApplicationHandle& app = model_.cadConnection.acadApp;
    CadStatus done = app ? app->ZoomExtents() : CadStatus(Fail(NoWorkspaceError()));
    if (done.has_value()) done = app->BringToForeground();
    if (done.has_value()) return;
    boxes_.Show(QString::fromStdString(done.error().description), MessageIcon::Critical,
                MessageButtons::Ok, appTitle_ + QStringLiteral(": An error occured..."));
}

void DrawingWindow::QuitWorkspace() {
    const ApplicationHandle& app = model_.cadConnection.acadApp;
    const CadStatus quit = app ? app->Quit() : CadStatus(Fail(NoWorkspaceError()));
    if (quit.has_value()) {
        boxes_.Show(QStringLiteral("Successfully ended AutoCAD application."),
                    MessageIcon::Information, MessageButtons::Ok, appTitle_);
        ResetLostInstance();
        return;
    }
    if (quit.error().number == kInstanceGone || quit.error().number == kInstanceGoneOnQuit) {
        ResetLostInstance();
    }
}

void DrawingWindow::Exit() {
    if (boxes_.Show(QStringLiteral("Do you want to exit ?"), MessageIcon::Question,
                    MessageButtons::YesNo, appTitle_) == MessageAnswer::Yes) {
        emit exitConfirmed();
    }
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
    if (!kestrava::ui::ConfirmExit(boxes_)) {
        event->ignore();
        return;
    }
    event->accept();
    emit exitConfirmed();
}

void DrawingWindow::SetToolButtons(bool enabled) {
    for (QPushButton* button : stepViewButtons_) button->setEnabled(enabled);
    randomRotationButton_->setEnabled(enabled);
    rotationButton_->setEnabled(enabled);
    dimensionButton_->setEnabled(enabled);
    zoomButton_->setEnabled(enabled);
}

void DrawingWindow::ResetLostInstance() {
    SetToolButtons(false);
    exitButton_->setEnabled(true);
    quitWorkspaceButton_->setEnabled(false);
}

void DrawingWindow::Report(const CadError& error) {
    ReportCadError(error, boxes_, appTitle_, [this] { ResetLostInstance(); });
}

}  // namespace kestrava::cad::ui
