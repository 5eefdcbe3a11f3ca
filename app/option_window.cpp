#include "app/option_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "app/pics/artwork.h"
#include "ui/bgr_color.h"
#include "ui/enter_presses_button.h"
#include "ui/exit_question.h"
#include "ui/message_boxes.h"
#include "ui/twips.h"
#include "ui/window_backdrop.h"
#include "ui/window_placement.h"

namespace kestrava {
namespace {

constexpr std::uint32_t kNormalColor = 0xFFC0C0;
constexpr std::uint32_t kHighlightColor = 0xFF9090;
constexpr int kButtonLeft = 360;
constexpr int kButtonWidth = 1695;
constexpr int kButtonHeight = 975;
constexpr int kHighlightGrowth = 250;  // twips added to the width, half on each side

std::size_t Index(OptionPicture picture) {
    return static_cast<std::size_t>(picture);
}

}  // namespace

OptionWindow::OptionWindow(ui::MessageBoxes& boxes, QString appTitle, QWidget* parent)
    : QWidget(parent), boxes_(boxes, this), appTitle_(std::move(appTitle)) {
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("Choose Option..."));
    setFixedSize(ui::TwipsToPixels(9375), ui::TwipsToPixels(7800));
    setMouseTracking(true);

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    ui::PlaceInTwips(imgLogo, QRect(240, 120, 1080, 1080));
    imgLogo->setPixmap(QPixmap::fromImage(DrawLogo(imgLogo->size())));

    auto* label = new QLabel(
        QStringLiteral("Choose the machine which you want to draw and press the button "
                       "accordingly to create design-sheets and also view the machine in "
                       "AutoCAD, as it is being made in factory."),
        this);
    label->setObjectName(QStringLiteral("label"));
    label->setWordWrap(true);
    QFont labelFont = label->font();
    labelFont.setPixelSize(14);
    label->setFont(labelFont);
    label->setStyleSheet(QStringLiteral("color: #17324f;"));
    ui::PlaceInTwips(label, QRect(1560, 180, 7635, 960));

    const struct {
        OptionPicture picture;
        const char* name;
    } pictureBoxes[] = {
        {OptionPicture::ButtBack, "ImgButtBack"}, {OptionPicture::AllTime, "ImgAllTime"},
        {OptionPicture::Transformer, "ImgTr"},    {OptionPicture::Motor, "ImgMot"},
        {OptionPicture::Generator, "ImgGen"},     {OptionPicture::Others, "ImgOther"},
    };
    for (const auto& box : pictureBoxes) {
        auto* image = new QLabel(this);
        image->setObjectName(QString::fromLatin1(box.name));
        image->setScaledContents(true);
        pictures_[Index(box.picture)] = image;
    }
    QLabel* buttBack = Picture(OptionPicture::ButtBack);
    ui::PlaceInTwips(buttBack, QRect(120, 1320, 2175, 5295));
    buttBack->setMouseTracking(true);
    buttBack->installEventFilter(this);

    machineButtons_ = {
        AddMachineButton("cmdTransformer", QStringLiteral("Transformer"),
                         QStringLiteral("Click to design Transformers..."), 1440),
        AddMachineButton("cmdMotor", QStringLiteral("Motor"),
                         QStringLiteral("Click to design Motors..."), 2760),
        AddMachineButton("cmdGenerator", QStringLiteral("Generator"),
                         QStringLiteral("Click to design Generators..."), 4080),
        AddMachineButton("cmdOthers", QStringLiteral("Others"),
                         QStringLiteral("Click to design other type of machines / instruments..."),
                         5400),
    };
    connect(machineButtons_[0], &QPushButton::clicked, this, &OptionWindow::transformerRequested);
    for (std::size_t i = 1; i < machineButtons_.size(); ++i)
        connect(machineButtons_[i], &QPushButton::clicked, this, &OptionWindow::ShowNotAvailable);

    auto* cmdContact = new QPushButton(QStringLiteral("Contact"), this);
    cmdContact->setObjectName(QStringLiteral("cmdContact"));
    cmdContact->setToolTip(QStringLiteral("Whom to contact about this software"));
    ui::PlaceInTwips(cmdContact, QRect(360, 6960, 1695, 615));
    connect(cmdContact, &QPushButton::clicked, this, &OptionWindow::ShowContact);

    auto* cmdAbout = new QPushButton(QStringLiteral("About"), this);
    cmdAbout->setObjectName(QStringLiteral("cmdAbout"));
    cmdAbout->setToolTip(QStringLiteral("About the software"));
    ui::PlaceInTwips(cmdAbout, QRect(7650, 6960, 975, 615));
    connect(cmdAbout, &QPushButton::clicked, this, &OptionWindow::aboutRequested);

    auto* command1 = new QPushButton(this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setToolTip(QStringLiteral("Click to exit"));
    ui::PlaceInTwips(command1, QRect(8640, 6960, 615, 615));
    command1->setIcon(QPixmap::fromImage(DrawExitIcon(QSize(30, 30))));
    command1->setIconSize(QSize(30, 30));
    connect(command1, &QPushButton::clicked, this, &OptionWindow::ConfirmExit);
    ui::EnterPressesButton::InstallIn(this);

    // Load: capture the button column, set the caption, lay the previews over each other.
    const QRect transformerTwips = ui::TwipsGeometry(machineButtons_[0]);
    savedLeft_ = transformerTwips.left();
    savedWidth_ = transformerTwips.width();
    setWindowTitle(appTitle_ + QStringLiteral(": Choose option..."));
    const QRect previewTwips(2640, ui::TwipsGeometry(buttBack).top(), 6555, 5325);
    for (OptionPicture preview :
         {OptionPicture::AllTime, OptionPicture::Transformer, OptionPicture::Motor,
          OptionPicture::Generator, OptionPicture::Others})
        ui::PlaceInTwips(Picture(preview), previewTwips);
    Picture(OptionPicture::AllTime)->setVisible(true);
    for (OptionPicture preview : {OptionPicture::Transformer, OptionPicture::Motor,
                                  OptionPicture::Generator, OptionPicture::Others})
        Picture(preview)->setVisible(false);
    ui::CenterOnScreen(this);
}

QPushButton* OptionWindow::AddMachineButton(const char* name, const QString& caption,
                                            const QString& tip, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    QFont font = button->font();
    font.setBold(true);
    font.setPixelSize(13);
    button->setFont(font);
    ui::PlaceInTwips(button, QRect(kButtonLeft, top, kButtonWidth, kButtonHeight));
    ui::SetBackColor(button, kNormalColor);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    return button;
}

QLabel* OptionWindow::Picture(OptionPicture which) const {
    return pictures_[Index(which)];
}

void OptionWindow::ShowOverviewPreview() {
    Picture(OptionPicture::AllTime)->setVisible(true);
    for (OptionPicture preview : {OptionPicture::Transformer, OptionPicture::Motor,
                                  OptionPicture::Generator, OptionPicture::Others})
        Picture(preview)->setVisible(false);
}

bool OptionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == Picture(OptionPicture::ButtBack)) Hover(Machine::None);
        for (std::size_t i = 0; i < machineButtons_.size(); ++i)
            if (watched == machineButtons_[i]) Hover(static_cast<Machine>(i + 1));
    }
    return QWidget::eventFilter(watched, event);
}

void OptionWindow::mouseMoveEvent(QMouseEvent* event) {
    // Moves over controls that ignore them arrive here too; only the bare background resets.
    if (childAt(event->position().toPoint()) == nullptr) Hover(Machine::None);
    QWidget::mouseMoveEvent(event);
}

void OptionWindow::Hover(Machine machine) {
    const OptionPicture previews[] = {OptionPicture::AllTime, OptionPicture::Transformer,
                                      OptionPicture::Motor, OptionPicture::Generator,
                                      OptionPicture::Others};
    for (std::size_t i = 0; i < std::size(previews); ++i)
        Picture(previews[i])->setVisible(i == static_cast<std::size_t>(machine));
    for (std::size_t i = 0; i < machineButtons_.size(); ++i) {
        if (static_cast<Machine>(i + 1) == machine)
            HighlightButton(machineButtons_[i]);
        else
            NormalButton(machineButtons_[i]);
    }
    highlighted_ = machine;
}

void OptionWindow::HighlightButton(QPushButton* button) {
    const QRect twips = ui::TwipsGeometry(button);
    ui::PlaceInTwips(button, QRect(savedLeft_ - kHighlightGrowth / 2, twips.top(),
                                   savedWidth_ + kHighlightGrowth, twips.height()));
    ui::SetBackColor(button, kHighlightColor);
}

void OptionWindow::NormalButton(QPushButton* button) {
    const QRect twips = ui::TwipsGeometry(button);
    ui::PlaceInTwips(button, QRect(savedLeft_, twips.top(), kButtonWidth, twips.height()));
    ui::SetBackColor(button, kNormalColor);
}

void OptionWindow::ShowNotAvailable() {
    boxes_.Show(QStringLiteral("This part is not available in this Version."),
                ui::MessageIcon::Information, ui::MessageButtons::Ok, appTitle_);
}

void OptionWindow::ShowContact() {
    boxes_.Show(QStringLiteral("%1 - transformer design\r\n\r\n"
                               "For questions, suggestions or problems, please contact the "
                               "engineering tools team of your organisation and quote the "
                               "version shown in the About window.")
                    .arg(appTitle_),
                ui::MessageIcon::Information, ui::MessageButtons::Ok,
                appTitle_ + QStringLiteral(": Contact Information"));
}

void OptionWindow::ConfirmExit() {
    if (ui::ConfirmExit(boxes_)) emit exitConfirmed();
}

void OptionWindow::closeEvent(QCloseEvent* event) {
    // The window is never unloaded: Yes ends the whole program instead.
    event->ignore();
    if (ui::ConfirmExit(boxes_)) emit exitConfirmed();
}

void OptionWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ui::PaintBackdrop(p, *this, QColor(0xf4, 0xf7, 0xfb), QColor(0xdc, 0xe6, 0xf2));
    p.setPen(QPen(QColor(0xa9, 0xbb, 0xd1), 1));
    const int y = ui::TwipsToPixels(1260);
    p.drawLine(8, y, width() - 8, y);
}

}  // namespace kestrava
