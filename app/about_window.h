#pragma once

#include <QDialog>

#include "app/system_info_launcher.h"

namespace kestrava {
namespace ui {
class MessageBoxes;
}

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

    ui::MessageBoxes& boxes_;
    SystemInfoTools tools_;
};

}  // namespace kestrava
