#include "cad/ui/report_cad_error.h"

namespace kestrava::cad::ui {

void ReportCadError(const CadError& error, kestrava::ui::MessageBoxes& boxes,
                    const QString& appTitle, const std::function<void()>& resetLostInstance) {
    const QString description = QString::fromStdString(error.description);
    if (error.number == kInstanceGone) {
        boxes.Show(QStringLiteral("Fatal Error : ") + description,
                   kestrava::ui::MessageIcon::Critical, kestrava::ui::MessageButtons::Ok, appTitle);
        resetLostInstance();
        return;
    }
    boxes.Show(description, kestrava::ui::MessageIcon::Critical, kestrava::ui::MessageButtons::Ok,
               appTitle + QStringLiteral(": An error occured..."));
}

}  // namespace kestrava::cad::ui
