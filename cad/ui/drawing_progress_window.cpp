#include "cad/ui/drawing_progress_window.h"

#include <QCoreApplication>
#include <QFont>
#include <QVBoxLayout>
#include <utility>

#include "ui/window_placement.h"
#include "ui/window_widgets.h"

namespace kestrava::cad::ui {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

DrawingProgressWindow::DrawingProgressWindow(kestrava::ui::MessageBoxes& boxes, QString appTitle,
                                             QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      boxes_(boxes, this),
      appTitle_(std::move(appTitle)),
      message_(new QLabel(QStringLiteral("Drawing..."), this)),
      progress_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmDrawingPB"));
    setWindowTitle(appTitle_);
    setFont(kestrava::ui::WindowFont());

    auto* wait = new QLabel(QStringLiteral("Please Wait..."), this);
    QFont waitFont = wait->font();
    waitFont.setBold(true);
    wait->setFont(waitFont);
    auto* caption = new QLabel(QStringLiteral("Drawing Progress:"), this);
    message_->setObjectName(QStringLiteral("lblMsg"));
    progress_->setObjectName(QStringLiteral("PBDraw"));
    progress_->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wait);
    layout->addWidget(caption);
    layout->addWidget(message_);
    layout->addWidget(progress_);
    setFixedSize(420, 150);
}

void DrawingProgressWindow::ShowProgressWindow() {
    if (parentWidget() != nullptr) kestrava::ui::PlaceClearOfButtons(this, parentWidget());
    show();
    raise();
    // A new window is mapped through the event queue; let it appear (but take no user input)
    // before the build holds the thread.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void DrawingProgressWindow::SetProgressMaximum(int maximum) {
    progress_->setMaximum(maximum);
}

void DrawingProgressWindow::SetProgressValue(int value) {
    progress_->setValue(value);
}

int DrawingProgressWindow::ProgressValue() const {
    return progress_->value();
}

void DrawingProgressWindow::SetMessage(std::string_view text) {
    message_->setText(FromUtf8(text));
    message_->repaint();
}

void DrawingProgressWindow::CloseProgressWindow() {
    close();
}

void DrawingProgressWindow::ShowClosingMessage(std::string_view text) {
    boxes_.Show(FromUtf8(text), kestrava::ui::MessageIcon::Information,
                kestrava::ui::MessageButtons::Ok, appTitle_);
}

}  // namespace kestrava::cad::ui
