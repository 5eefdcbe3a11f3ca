#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "cad/transformer_model_builder.h"
#include "ui/message_boxes.h"

namespace kestrava::cad::ui {

// frmDrawingPB: the small window that keeps the user informed while the model is built. The build
// blocks the event loop, so every change is painted at once. Given a parent, it opens where it
// covers none of the parent's buttons.
class DrawingProgressWindow : public QWidget, public BuildFeedback {
    Q_OBJECT

  public:
    DrawingProgressWindow(kestrava::ui::MessageBoxes& boxes, QString appTitle,
                          QWidget* parent = nullptr);

    void ShowProgressWindow() override;
    void SetProgressMaximum(int maximum) override;
    void SetProgressValue(int value) override;
    int ProgressValue() const override;
    void SetMessage(std::string_view text) override;
    void CloseProgressWindow() override;
    void ShowClosingMessage(std::string_view text) override;

  private:
    kestrava::ui::WindowMessageBoxes boxes_;
    QString appTitle_;
    QLabel* message_;
    QProgressBar* progress_;
};

}  // namespace kestrava::cad::ui
