#include "report/ui/report_actions.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QUrl>

#include "report/report_files.h"
#include "ui/message_boxes.h"

namespace kestrava::report::ui {
namespace {

using kestrava::ui::MessageAnswer;
using kestrava::ui::MessageButtons;
using kestrava::ui::MessageIcon;

QString NativeSavePath(QWidget* parent, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
}

void OpenWithDesktop(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace

ReportActions::ReportActions(QWidget& window, QPushButton& report, QPushButton& drawing,
                             kestrava::ui::MessageBoxes& boxes, QString appTitle,
                             ReportSource source)
    : QObject(&window),
      window_(window),
      boxes_(boxes),
      appTitle_(std::move(appTitle)),
      source_(std::move(source)),
      choosePath_(NativeSavePath),
      open_(OpenWithDesktop) {
    connect(&report, &QPushButton::clicked, this, [this] { Save(Kind::Report); });
    connect(&drawing, &QPushButton::clicked, this, [this] { Save(Kind::Drawing); });
}

void ReportActions::SetSavePathChooser(SavePathChooser chooser) {
    choosePath_ = std::move(chooser);
}

void ReportActions::SetFileOpener(FileOpener opener) {
    open_ = std::move(opener);
}

void ReportActions::Save(Kind kind) {
    const std::optional<ReportDesign> design = source_.design();
    if (!design) return;
    const bool isReport = kind == Kind::Report;
    const QString path =
        choosePath_(&window_, source_.suggestedPath() + (isReport ? ".pdf" : ".svg"),
                    isReport ? QStringLiteral("PDF documents (*.pdf)")
                             : QStringLiteral("SVG drawings (*.svg)"));
    if (path.isEmpty()) return;

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::filesystem::path file = path.toStdString();
    const auto written = WriteReportFiles(*design, isReport ? std::filesystem::path() : file,
                                          isReport ? file : std::filesystem::path());
    QGuiApplication::restoreOverrideCursor();
    if (!written.has_value()) {
        boxes_.Show(QString::fromStdString("The file was not saved: " + written.error()),
                    MessageIcon::Critical, MessageButtons::Ok, appTitle_);
        return;
    }
    const QString question = (isReport ? QStringLiteral("The report was saved as\r\n%1\r\n\r\n")
                                       : QStringLiteral("The drawing was saved as\r\n%1\r\n\r\n"))
                                 .arg(path) +
                             QStringLiteral("Open it now?");
    if (boxes_.Show(question, MessageIcon::Question, MessageButtons::YesNo, appTitle_) ==
        MessageAnswer::Yes) {
        open_(path);
    }
}

}  // namespace kestrava::report::ui
