#pragma once

#include <QDialog>

#include "app/system_info_launcher.h"
#include "ui/message_boxes.h"

namespace kestrava {

// The credits box text: headings and names, lines separated by CR LF.
QString CreditsText();

// frmAbout: title, version, credits and disclaimer, with OK and System Info.
class AboutWindow final : public QDialog {
    Q_OBJECT
  public:
    AboutWindow(ui::MessageBoxes& boxes, QString appTitle, SystemInfoTools tools,
                QWidget* parent = nullptr);

  private:
    void StartSystemInfo();

    ui::WindowMessageBoxes boxes_;
    SystemInfoTools tools_;
};

}  // namespace kestrava
