#include "app/splash_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <cstdio>

#include "app/app_identity.h"
#include "app/pics/artwork.h"
#include "ui/twips.h"
#include "ui/window_backdrop.h"
#include "ui/window_placement.h"

namespace kestrava {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      sloganLabel_(new QLabel(QStringLiteral("The new age of drawing Electrical Machines."), this)),
      logo_(new QLabel(this)),
      versionLabel_(new QLabel(this)),
      loadingBox_(new QLineEdit(QStringLiteral("Loading variables and files..."), this)),
      progressBar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(AppTitle());
    sloganLabel_->setObjectName(QStringLiteral("label"));
    logo_->setObjectName(QStringLiteral("imgLogo"));
    versionLabel_->setObjectName(QStringLiteral("lblVersion"));
    loadingBox_->setObjectName(QStringLiteral("txtLoading"));
    progressBar_->setObjectName(QStringLiteral("PB"));
    setFixedSize(ui::TwipsToPixels(6765), ui::TwipsToPixels(4020));

    ui::PlaceInTwips(logo_, QRect(240, 240, 1800, 1800));
    logo_->setPixmap(QPixmap::fromImage(DrawLogo(logo_->size())));

    auto* title = new QLabel(AppTitle(), this);
    QFont titleFont = title->font();
    titleFont.setPixelSize(34);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: #12305c;"));
    ui::PlaceInTwips(title, QRect(2280, 360, 4300, 780));

    QFont labelFont = sloganLabel_->font();
    labelFont.setPixelSize(15);
    labelFont.setItalic(true);
    sloganLabel_->setFont(labelFont);
    sloganLabel_->setWordWrap(true);
    sloganLabel_->setStyleSheet(QStringLiteral("color: #2c3e55;"));
    ui::PlaceInTwips(sloganLabel_, QRect(2280, 1200, 4300, 720));

    versionLabel_->setText(CurrentVersionText());
    versionLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    versionLabel_->setStyleSheet(QStringLiteral("color: #2c3e55;"));
    ui::PlaceInTwips(versionLabel_, QRect(2280, 2280, 4365, 300));

    loadingBox_->setReadOnly(true);
    loadingBox_->setFrame(false);
    loadingBox_->setFocusPolicy(Qt::NoFocus);
    loadingBox_->setStyleSheet(QStringLiteral("background: transparent; color: #12305c;"));
    ui::PlaceInTwips(loadingBox_, QRect(120, 3180, 6525, 330));
    progressBar_->setTextVisible(false);
    ui::CenterOnScreen(this);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ui::PlaceInTwips(progressBar_, QRect(120, 3600, 6525, 255));
    progressBar_->setRange(1, 200);
    progressBar_->setValue(2);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ui::PaintBackdrop(p, *this, QColor(0xf5, 0xf8, 0xfc), QColor(0xc9, 0xd9, 0xee));
    p.setPen(QPen(QColor(0x12, 0x30, 0x5c), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void SplashWindow::SetMaximum(int maximum) {
    progressBar_->setMaximum(maximum);
}

void SplashWindow::SetValue(int value) {
    progressBar_->setValue(value);
}

int SplashWindow::Value() const {
    return progressBar_->value();
}

void SplashWindow::ShowStep(const QString& text) {
    loadingBox_->setText(text);
    loadingBox_->repaint();
    progressBar_->repaint();
}

void SplashWindow::ReportMissingPicture(const QString& path) {
    std::fprintf(stderr, "%s: picture not found: %s\n", qPrintable(AppTitle()), qPrintable(path));
}

}  // namespace kestrava
