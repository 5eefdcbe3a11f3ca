#pragma once

#include <QRect>
#include <QWidget>
#include <array>

#include "ui/message_boxes.h"

class QLabel;
class QPushButton;

namespace kestrava {

// The pictures of the main option window that start-up loads from the Pics folder.
enum class OptionPicture { ButtBack, AllTime, Transformer, Motor, Generator, Others };

// The machine buttons; None is the window background or the button backdrop.
enum class Machine { None, Transformer, Motor, Generator, Others };

// frmOption: the machine choice, with a preview that follows the mouse over the buttons.
class OptionWindow final : public QWidget {
    Q_OBJECT
  public:
    OptionWindow(ui::MessageBoxes& boxes, QString appTitle, QWidget* parent = nullptr);

    // The picture box that shows 'picture'.
    QLabel* Picture(OptionPicture picture) const;
    // Shows the overview preview and hides the four machine previews.
    void ShowOverviewPreview();
    // The button that the last hover highlighted, or None.
    Machine Highlighted() const { return highlighted_; }

  signals:
    void transformerRequested();  // the parameter window should be shown instead of this one
    void aboutRequested();        // the About window should be shown modally over this one
    void exitConfirmed();         // the exit question was answered Yes: the program ends

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPushButton* AddMachineButton(const char* name, const QString& caption, const QString& tip,
                                  int top);
    void Hover(Machine machine);
    void HighlightButton(QPushButton* button);
    void NormalButton(QPushButton* button);
    void ShowNotAvailable();
    void ShowContact();
    void ConfirmExit();

    ui::WindowMessageBoxes boxes_;
    QString appTitle_;
    std::array<QPushButton*, 4> machineButtons_{};  // Transformer, Motor, Generator, Others
    std::array<QLabel*, 6> pictures_{};             // indexed by OptionPicture
    int savedLeft_ = 0;                             // twips, captured from cmdTransformer
    int savedWidth_ = 0;                            // twips, captured from cmdTransformer
    Machine highlighted_ = Machine::None;
};

}  // namespace kestrava
