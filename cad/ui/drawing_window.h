#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>

#include "cad/cad_automation.h"
#include "cad/transformer_model_builder.h"
#include "engine/design_record.h"
#include "ui/message_boxes.h"
#include "ui/program_window.h"

namespace kestrava::cad::ui {

// frmDraw: builds the 3-D model of the current design, walks through the five step views, offers
// the viewing tools and quits the workspace.
class DrawingWindow : public kestrava::ui::ProgramWindow {
    Q_OBJECT

  public:
    DrawingWindow(kestrava::ui::MessageBoxes& boxes, CadLauncher& launcher, QString installFolder,
                  QString appTitle, QWidget* parent = nullptr);

    // Shows the window for 'record' and enables Draw; the other buttons stay as they were left.
    void OpenForDesign(const DesignRecord& record);

  signals:
    // Back was pressed; the window has hidden itself.
    void backRequested();
    // The user confirmed leaving the program.
    void exitConfirmed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildDrawGroup();
    QWidget* BuildStepViewGroup();
    QWidget* BuildToolGroup();
    QWidget* BuildNavigationRow();

    void Draw();
    void ShowStepView(int view);
    // Sends an interactive command to the document, then raises the workspace.
    void RunTool(std::string_view command);
    void ZoomToFit();
    void QuitWorkspace();
    void Exit();

    // Enables or disables the five view buttons and the four tool buttons together.
    void SetToolButtons(bool enabled);
    // Leaves only Back and Exit useful once the workspace is gone.
    void ResetLostInstance();
    void Report(const CadError& error);

    CadLauncher& launcher_;
    QString installFolder_;
    DesignRecord record_;
    TransformerModel model_;

    // Each button's objectName is its name in the window's design (cmdDrawCAD, Command1 ...).
    QPushButton* drawButton_ = nullptr;              // cmdDrawCAD
    std::array<QPushButton*, 5> stepViewButtons_{};  // Command1 ... Command5
    QPushButton* dimensionButton_ = nullptr;         // cmdDimension
    QPushButton* randomRotationButton_ = nullptr;    // Command6
    QPushButton* rotationButton_ = nullptr;          // Command7
    QPushButton* zoomButton_ = nullptr;              // cmdZoom
    QPushButton* quitWorkspaceButton_ = nullptr;     // cmdQuitAC
    QPushButton* backButton_ = nullptr;              // cmdBack
    QPushButton* exitButton_ = nullptr;              // cmdExit
};

}  // namespace kestrava::cad::ui
