#include "app/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_identity.h"
#include "app/pics/artwork.h"
#include "ui/message_boxes.h"
#include "ui/twips.h"

namespace kestrava {

QString CreditsText() {
    return QStringList{QString(),
                       QStringLiteral("Credits : "),
                       QStringLiteral("    Asha Raman"),
                       QStringLiteral("    Tomas Lindqvist"),
                       QString(),
                       QString(),
                       QStringLiteral("Special thanks to"),
                       QStringLiteral("    Mei Okafor"),
                       QStringLiteral("    Daniel Ferreira")}
        .join(QStringLiteral("\r\n"));
}

AboutWindow::AboutWindow(ui::MessageBoxes& boxes, QString appTitle, SystemInfoTools tools,
                         QWidget* parent)
    : QDialog(parent), boxes_(boxes, this), tools_(std::move(tools)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + appTitle);
    setFixedSize(ui::TwipsToPixels(7200), ui::TwipsToPixels(5040));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    ui::PlaceInTwips(picture, QRect(240, 240, 900, 900));
    picture->setPixmap(QPixmap::fromImage(DrawLogo(picture->size())));

    auto* title = new QLabel(appTitle, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    ui::PlaceInTwips(title, QRect(1380, 180, 5580, 420));

    auto* description = new QLabel(
        QStringLiteral("Design any electrical machine, make the design sheet and draw the "
                       "machine in AutoCAD."),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    ui::PlaceInTwips(description, QRect(1380, 600, 5580, 480));

    auto* lblVersion = new QLabel(CurrentVersionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    ui::PlaceInTwips(lblVersion, QRect(1380, 1095, 5580, 270));

    auto* credits = new QPlainTextEdit(this);
    credits->setObjectName(QStringLiteral("txtCredits"));
    credits->setReadOnly(true);
    credits->setPlainText(CreditsText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ui::PlaceInTwips(credits, QRect(1380, 1440, 5580, 2160));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    ui::PlaceInTwips(line, QRect(240, 3720, 6720, 30));

    auto* disclaimer = new QLabel(
        QStringLiteral("Warning: this program is a design aid. Check every design against the "
                       "applicable standards and the manufacturer's data before anything is "
                       "built from it."),
        this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    QFont small = disclaimer->font();
    small.setPixelSize(11);
    disclaimer->setFont(small);
    ui::PlaceInTwips(disclaimer, QRect(240, 3840, 4860, 1020));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ui::PlaceInTwips(ok, QRect(5280, 3870, 1680, 420));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setAutoDefault(false);
    ui::PlaceInTwips(sysInfo, QRect(5280, 4410, 1680, 420));
    connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::StartSystemInfo);
}

void AboutWindow::StartSystemInfo() {
    if (StartSysInfo(tools_)) return;
    boxes_.Show(QStringLiteral("System Information Is Unavailable At This Time"),
                ui::MessageIcon::None, ui::MessageButtons::Ok, QString());
}

}  // namespace kestrava
