#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "report/report_design.h"

class QPushButton;
class QWidget;

namespace kestrava::ui {
class MessageBoxes;
}

namespace kestrava::report::ui {

// Asks where to save: 'suggested' is the proposed path, 'filter' the file type; an empty answer
// cancels.
using SavePathChooser =
    std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)>;
// Opens a saved file with the desktop's viewer.
using FileOpener = std::function<void(const QString& path)>;

// What the buttons read at the moment they are pressed.
struct ReportSource {
    // The design shown, or nothing when there is none yet.
    std::function<std::optional<ReportDesign>()> design;
    // The proposed path without its extension, e.g. ".../Design Sheet/Design Sheet".
    std::function<QString()> suggestedPath;
};

// "Report..." saves the design report as PDF and "Drawing..." the general-arrangement drawing
// as SVG, each through the platform's save dialog; afterwards the user may open the file.
class ReportActions : public QObject {
    Q_OBJECT

  public:
    ReportActions(QWidget& window, QPushButton& report, QPushButton& drawing,
                  kestrava::ui::MessageBoxes& boxes, QString appTitle, ReportSource source);

    // Replace the native dialog and the desktop viewer (tests answer them themselves).
    void SetSavePathChooser(SavePathChooser chooser);
    void SetFileOpener(FileOpener opener);

  private:
    enum class Kind { Report, Drawing };
    void Save(Kind kind);

    QWidget& window_;
    kestrava::ui::MessageBoxes& boxes_;
    QString appTitle_;
    ReportSource source_;
    SavePathChooser choosePath_;
    FileOpener open_;
};

}  // namespace kestrava::report::ui
