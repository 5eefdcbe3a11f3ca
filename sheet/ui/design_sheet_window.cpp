#include "sheet/ui/design_sheet_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>
#include <utility>

#include "engine/installation_paths.h"
#include "records/param_record_store.h"
#include "sheet/design_sheet_writer.h"
#include "sheet/ui/hover_tool_tip.h"
#include "sheet/ui/mounted_volumes.h"
#include "sheet/ui/select_path_dialog.h"
#include "ui/enter_presses_button.h"
#include "ui/exit_question.h"
#include "ui/message_boxes.h"
#include "ui/path_text.h"
#include "ui/select_on_focus.h"
#include "ui/window_placement.h"
#include "ui/window_widgets.h"

namespace kestrava {
namespace {

using ui::MessageAnswer;
using ui::MessageButtons;
using ui::MessageIcon;

const QChar kSeparator = QLatin1Char('/');

// The characters after the last separator.
QString FileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(kSeparator) + 1);
}

QLabel* MakeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(ui::WindowFont());
    return label;
}

QPushButton* MakeButton(const QString& caption, const QString& name, const QString& toolTip,
                        QWidget* parent) {
    QPushButton* button = ui::NamedButton(name, caption, parent);
    button->setToolTip(toolTip);
    return button;
}

QFrame* MakeLine(const QString& name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLineEdit* MakePathBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMinimumWidth(360);
    ui::SelectOnFocus::Install(box);
    return box;
}

}  // namespace

std::optional<QString> OpenWithDesktop(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return QStringLiteral("The file \"%1\" was not found").arg(path);
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        return QStringLiteral("No program was found to open \"%1\"").arg(path);
    }
    return std::nullopt;
}

DesignSheetWindow::DesignSheetWindow(ui::MessageBoxes& boxes, const ParamRecordStore& store,
                                     QString installFolder, QString appTitle, QWidget* parent)
    : QWidget(parent),
      boxes_(boxes, this),
      store_(store),
      installFolder_(std::move(installFolder)),
      appTitle_(std::move(appTitle)),
      opener_(OpenWithDesktop) {
    setObjectName(QStringLiteral("frmDsgnSheet"));
    setWindowTitle(appTitle_ + QStringLiteral(": Save Design Sheet"));
    BuildControls();

    const QString defaultPath = QDir::toNativeSeparators(
        ui::PathText(DesignSheetFolder(ui::FsPath(installFolder_)) / "Design Sheet.txt"));
    detailPathBox_->setText(defaultPath);
    sheetPathBox_->setText(defaultPath);
    openSheetButton_->setEnabled(false);
}

void DesignSheetWindow::BuildControls() {
    auto* label2 = MakeLabel(
        QStringLiteral("Calculation completed. Now you can save the \"Calculation Details\" and "
                       "\"Design Sheet\" of the transformer in text files."),
        QStringLiteral("Label2"), this);
    label2->setWordWrap(true);
    QFont heading = label2->font();
    heading.setBold(true);
    label2->setFont(heading);

    const QIcon browseIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    detailPathBox_ = MakePathBox(QStringLiteral("txtPathCalcDetail"), this);
    browseDetailButton_ = MakeButton(QStringLiteral("B&rowse..."), QStringLiteral("cmdBrowse4Calc"),
                                     QStringLiteral("Browse..."), this);
    browseDetailButton_->setIcon(browseIcon);
    saveDetailButton_ = MakeButton(QStringLiteral("&Save"), QStringLiteral("cmdCalcDetail"),
                                   QStringLiteral("Save Calculation Details"), this);

    sheetPathBox_ = MakePathBox(QStringLiteral("txtPath"), this);
    HoverToolTip::Install(sheetPathBox_, [this] { return sheetPathBox_->text(); });
    browseSheetButton_ = MakeButton(QStringLiteral("B&rowse..."), QStringLiteral("cmdBrowse"),
                                    QStringLiteral("Browse..."), this);
    browseSheetButton_->setIcon(browseIcon);
    saveSheetButton_ = MakeButton(QStringLiteral("&Save"), QStringLiteral("cmdDsgnSheet"),
                                  QStringLiteral("Save Design Sheet"), this);
    openSheetButton_ =
        MakeButton(QStringLiteral(" Show current Design Sheet"), QStringLiteral("cmdOpenTxt"),
                   QStringLiteral("Click to see "), this);
    openSheetButton_->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    HoverToolTip::Install(openSheetButton_,
                          [this] { return QStringLiteral("Click to see ") + sheetFileName_; });

    viewTransformerButton_ =
        MakeButton(QStringLiteral("View &Transformer..."), QStringLiteral("cmdVwTrans"),
                   QStringLiteral("Click to view Transformer..."), this);
    backButton_ = MakeButton(QStringLiteral("&Back"), QStringLiteral("cmdCancel"),
                             QStringLiteral("Click to go back"), this);
    backButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    exitButton_ =
        MakeButton(QString(), QStringLiteral("cmdExit"), QStringLiteral("Click to exit"), this);
    exitButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exitButton_->setIconSize(QSize(24, 24));
    resultsButton_ = MakeButton(QStringLiteral("Res&ults..."), QStringLiteral("cmdResults"),
                                QStringLiteral("Click to see what the design weighs and costs and "
                                               "whether it meets the loss regulations"),
                                this);

    for (QPushButton* button :
         {browseDetailButton_, saveDetailButton_, browseSheetButton_, saveSheetButton_}) {
        button->setMinimumWidth(96);
    }

    auto* paths = new QGridLayout;
    paths->setHorizontalSpacing(8);
    paths->setVerticalSpacing(6);
    paths->addWidget(MakeLabel(QStringLiteral("Enter the path to save the Calculation Details :"),
                               QStringLiteral("Label4"), this),
                     0, 0, 1, 3);
    paths->addWidget(detailPathBox_, 1, 0);
    paths->addWidget(browseDetailButton_, 1, 1);
    paths->addWidget(saveDetailButton_, 1, 2);
    paths->addWidget(MakeLine(QStringLiteral("Line2"), this), 2, 0, 1, 3);
    paths->addWidget(MakeLabel(QStringLiteral("Enter the path to save the design sheet : "),
                               QStringLiteral("Label1"), this),
                     3, 0, 1, 3);
    paths->addWidget(sheetPathBox_, 4, 0);
    paths->addWidget(browseSheetButton_, 4, 1);
    paths->addWidget(saveSheetButton_, 4, 2);
    paths->addWidget(openSheetButton_, 5, 0, 1, 3, Qt::AlignRight);
    paths->setColumnStretch(0, 1);

    auto* view = new QHBoxLayout;
    auto* label3 = MakeLabel(
        QStringLiteral("To see the design of the transformer, click on ' View Transformer ' "
                       "button."),
        QStringLiteral("Label3"), this);
    label3->setWordWrap(true);
    view->addWidget(label3, 1);
    view->addWidget(viewTransformerButton_);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(backButton_);
    // In the free middle of the bottom row, so that every other control keeps its place.
    navigation->addWidget(resultsButton_);
    navigation->addStretch();
    navigation->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(label2);
    layout->addWidget(MakeLine(QStringLiteral("Line1"), this));
    layout->addLayout(paths);
    layout->addWidget(MakeLine(QStringLiteral("Line3"), this));
    layout->addLayout(view);
    layout->addWidget(MakeLine(QStringLiteral("Line4"), this));
    layout->addLayout(navigation);
    setFixedSize(sizeHint().expandedTo(QSize(620, 0)));
    ui::EnterPressesButton::InstallIn(this);
    ui::CenterOnScreen(this);

    connect(sheetPathBox_, &QLineEdit::textChanged, this,
            [this] { defaultButton_.Make(saveSheetButton_); });
    connect(detailPathBox_, &QLineEdit::textChanged, this,
            [this] { defaultButton_.Make(saveDetailButton_); });
    for (QLineEdit* box : {sheetPathBox_, detailPathBox_}) {
        connect(box, &QLineEdit::returnPressed, this, [this] { defaultButton_.Press(); });
    }
    connect(browseSheetButton_, &QPushButton::clicked, this,
            [this] { Browse(*sheetPathBox_, QStringLiteral("frmSave")); });
    connect(browseDetailButton_, &QPushButton::clicked, this,
            [this] { Browse(*detailPathBox_, QStringLiteral("frmSaveCalcDetail")); });
    connect(saveSheetButton_, &QPushButton::clicked, this, &DesignSheetWindow::SaveDesignSheet);
    connect(saveDetailButton_, &QPushButton::clicked, this, [this] {
        boxes_.Show(QStringLiteral("Sorry, this feature is not available in this version. Contact "
                                   "us to get a newer version."),
                    MessageIcon::None, MessageButtons::Ok, QString());
    });
    connect(openSheetButton_, &QPushButton::clicked, this, &DesignSheetWindow::OpenDesignSheet);
    connect(viewTransformerButton_, &QPushButton::clicked, this, [this] {
        hide();
        emit viewTransformerRequested();
    });
    connect(backButton_, &QPushButton::clicked, this, &DesignSheetWindow::ConfirmBack);
    connect(exitButton_, &QPushButton::clicked, this, [this] { ConfirmExit(); });
    setTabOrder(exitButton_, resultsButton_);
    connect(resultsButton_, &QPushButton::clicked, this, &DesignSheetWindow::resultsRequested);
}

void DesignSheetWindow::ShowDesign(const DesignRecord& record, const RatingTexts& texts) {
    record_ = &record;
    texts_ = texts;
    show();
    raise();
    activateWindow();
}

void DesignSheetWindow::SetDocumentOpener(DocumentOpener opener) {
    opener_ = std::move(opener);
}

void DesignSheetWindow::ShowCritical(const QString& text) {
    boxes_.Show(text, MessageIcon::Critical, MessageButtons::Ok, appTitle_);
}

void DesignSheetWindow::SaveDesignSheet() {
    if (record_ == nullptr) return;
    // The path box is read afresh at every step, as the user may not change it in between.
    const auto path = [this] { return sheetPathBox_->text(); };
    if (VolumeIndexOf(path(), MountedVolumes()) < 0) {
        ShowCritical(path().left(3) + QStringLiteral("  drive doesn't exists..."));
        sheetPathBox_->setFocus();
        return;
    }
    for (;;) {
        sheetFileName_ = FileNameOf(path());
        const QString folder = path().left(path().lastIndexOf(kSeparator) + 1);
        if (QFileInfo(folder).isDir()) break;
        const MessageAnswer create = boxes_.Show(
            path() + QStringLiteral("doesn't exists !!\r\nDo you want to create a new folder ?"),
            MessageIcon::Information, MessageButtons::YesNo, appTitle_);
        if (create != MessageAnswer::Yes) {
            sheetPathBox_->setFocus();
            return;
        }
        if (!CreateFoldersAndEmptyFile(path())) return;
    }
    const QFileInfo existing(path());
    if (existing.exists() && !existing.isDir()) {
        const MessageAnswer replace = boxes_.Show(
            sheetFileName_ + QStringLiteral(" already exists!\r\nDo you want to replace it?"),
            MessageIcon::Warning, MessageButtons::YesNo, appTitle_);
        if (replace != MessageAnswer::Yes) return;
    }
    if (const auto written = WriteDesignSheet(ui::FsPath(path()), *record_, texts_);
        !written.has_value()) {
        ShowCritical(QString::fromStdString(written.error()));
        return;
    }
    boxes_.Show(path() + QStringLiteral(" - is saved."), MessageIcon::Information,
                MessageButtons::Ok, appTitle_);
    openSheetButton_->setEnabled(true);
    sheetFileName_ = FileNameOf(path());
    if (const auto kept = store_.AddParamRecord(path().toStdString(), texts_); !kept.has_value()) {
        boxes_.Show(QString::fromStdString(kept.error().description), MessageIcon::Information,
                    MessageButtons::Ok, QString::number(kept.error().code));
    } else {
        boxes_.Show(QStringLiteral("Record keeping done successfully."), MessageIcon::Information,
                    MessageButtons::Ok, appTitle_);
    }
    sheetPathBox_->setFocus();
}

bool DesignSheetWindow::CreateFoldersAndEmptyFile(const QString& path) {
    // Every separator after the first character closes a folder name; the root needs no creating.
    for (qsizetype at = path.indexOf(kSeparator, 1); at >= 0;
         at = path.indexOf(kSeparator, at + 1)) {
        const QString folder = path.left(at);
        if (!QFileInfo(folder).isDir()) {
            std::error_code error;
            std::filesystem::create_directory(ui::FsPath(folder), error);
            if (error) {
                ShowCritical(QStringLiteral("Cannot create the folder \"%1\": %2")
                                 .arg(folder, QString::fromStdString(error.message())));
                return false;
            }
        }
        if (at == path.size() - 1) return false;  // a folder path names no file to write
    }
    QFile placeholder(path);
    if (!placeholder.open(QIODevice::WriteOnly)) {
        ShowCritical(QStringLiteral("Cannot create the file \"%1\": %2")
                         .arg(path, placeholder.errorString()));
        return false;
    }
    return true;
}

void DesignSheetWindow::OpenDesignSheet() {
    if (const auto failure = opener_(sheetPathBox_->text())) {
        ShowCritical(*failure + QStringLiteral(" !!"));
    }
}

void DesignSheetWindow::ConfirmBack() {
    const MessageAnswer answer = boxes_.Show(
        QStringLiteral("Warning: If you go back to the previous form your current transformer "
                       "parameters may be lost.\r\nYou are recommended to save the Design Sheet "
                       "before going back.\r\n\r\nDo you want to go back?"),
        MessageIcon::Information, MessageButtons::YesNo, appTitle_);
    if (answer != MessageAnswer::Yes) return;
    hide();
    emit backConfirmed();
}

bool DesignSheetWindow::ConfirmExit() {
    if (!ui::ConfirmExit(boxes_)) return false;
    exiting_ = true;
    emit exitConfirmed();
    return true;
}

void DesignSheetWindow::closeEvent(QCloseEvent* event) {
    if (exiting_ || ConfirmExit()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void DesignSheetWindow::Browse(QLineEdit& ownerBox, const QString& dialogName) {
    SelectPathDialog dialog(boxes_, ownerBox, dialogName, appTitle_, MountedVolumes(), this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    show();
    if (accepted) ownerBox.setFocus();
}

}  // namespace kestrava
