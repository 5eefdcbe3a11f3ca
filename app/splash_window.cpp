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
      label_(new QLabel(QStringLiteral("The new age of drawing Electrical Machines."), this)),
      imgLogo_(new QLabel(this)),
      lblVersion_(new QLabel(this)),
      txtLoading_(new QLineEdit(QStringLiteral("Loading variables and files..."), this)),
      pb_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(AppTitle());
    label_->setObjectName(QStringLiteral("label"));
    imgLogo_->setObjectName(QStringLiteral("imgLogo"));
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    txtLoading_->setObjectName(QStringLiteral("txtLoading"));
    pb_->setObjectName(QStringLiteral("PB"));
    setFixedSize(ui::TwipsToPixels(6765), ui::TwipsToPixels(4020));

    ui::PlaceInTwips(imgLogo_, QRect(240, 240, 1800, 1800));
    imgLogo_->setPixmap(QPixmap::fromImage(DrawLogo(imgLogo_->size())));

    auto* title = new QLabel(AppTitle(), this);
    QFont titleFont = title->font();
    titleFont.setPixelSize(34);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: #12305c;"));
    ui::PlaceInTwips(title, QRect(2280, 360, 4300, 780));

    QFont labelFont = label_->font();
    labelFont.setPixelSize(15);
    labelFont.setItalic(true);
    label_->setFont(labelFont);
    label_->setWordWrap(true);
    label_->setStyleSheet(QStringLiteral("color: #2c3e55;"));
    ui::PlaceInTwips(label_, QRect(2280, 1200, 4300, 720));

    lblVersion_->setText(CurrentVersionText());
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVersion_->setStyleSheet(QStringLiteral("color: #2c3e55;"));
    ui::PlaceInTwips(lblVersion_, QRect(2280, 2280, 4365, 300));

    txtLoading_->setReadOnly(true);
    txtLoading_->setFrame(false);
    txtLoading_->setFocusPolicy(Qt::NoFocus);
    txtLoading_->setStyleSheet(QStringLiteral("background: transparent; color: #12305c;"));
    ui::PlaceInTwips(txtLoading_, QRect(120, 3180, 6525, 330));
    pb_->setTextVisible(false);
    ui::CenterOnScreen(this);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ui::PlaceInTwips(pb_, QRect(120, 3600, 6525, 255));
    pb_->setRange(1, 200);
    pb_->setValue(2);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ui::PaintBackdrop(p, *this, QColor(0xf5, 0xf8, 0xfc), QColor(0xc9, 0xd9, 0xee));
    p.setPen(QPen(QColor(0x12, 0x30, 0x5c), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void SplashWindow::SetMaximum(int maximum) {
    pb_->setMaximum(maximum);
}

void SplashWindow::SetValue(int value) {
    pb_->setValue(value);
}

int SplashWindow::Value() const {
    return pb_->value();
}

void SplashWindow::ShowStep(const QString& text) {
    txtLoading_->setText(text);
    txtLoading_->repaint();
    pb_->repaint();
}

void SplashWindow::ReportMissingPicture(const QString& path) {
    std::fprintf(stderr, "%s: picture not found: %s\n", qPrintable(AppTitle()), qPrintable(path));
}

}  // namespace kestrava
