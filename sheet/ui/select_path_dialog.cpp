#include "sheet/ui/select_path_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

#include "sheet/ui/hover_tool_tip.h"
#include "ui/message_boxes.h"
#include "ui/select_on_focus.h"

namespace kestrava {

QString SheetPathInFolder(const QString& volumeRoot, const QString& folder) {
    const QString relative =
        folder == volumeRoot ? QString() : QDir(volumeRoot).relativeFilePath(folder);
    QString path = volumeRoot + QLatin1Char('/') + relative + QStringLiteral("/Design Sheet.txt");
    static const QRegularExpression repeatedSeparators(QStringLiteral("/{2,}"));
    return path.replace(repeatedSeparators, QStringLiteral("/"));
}

SelectPathDialog::SelectPathDialog(ui::MessageBoxes& boxes, QLineEdit& ownerBox,
                                   const QString& dialogName, QString appTitle,
                                   std::vector<Volume> volumes, QWidget* parent)
    : QDialog(parent),
      boxes_(boxes, this),
      ownerBox_(ownerBox),
      appTitle_(std::move(appTitle)),
      volumes_(std::move(volumes)) {
    if (volumes_.empty()) volumes_.push_back({QStringLiteral("/"), QString(), true});
    setObjectName(dialogName);
    setWindowTitle(QStringLiteral("Select Path"));
    setModal(true);
    BuildControls();

    const int ownerVolume = VolumeIndexOf(ownerBox_.text(), volumes_);
    const int rootVolume = VolumeIndexOf(QStringLiteral("/"), volumes_);
    ownerVolume_ = ownerVolume >= 0 ? ownerVolume : std::max(rootVolume, 0);
    rootVolume_ = std::max(rootVolume, 0);
    {
        const QSignalBlocker quiet(driveList_);
        for (const Volume& volume : volumes_) driveList_->addItem(volume.DisplayText());
        driveList_->setCurrentIndex(-1);
    }
    driveList_->setCurrentIndex(ownerVolume_);
    // The lists show where the owner's volume starts; the box keeps what was already entered.
    fileNameBox_->setText(ownerBox_.text());
}

void SelectPathDialog::BuildControls() {
    driveList_ = new QComboBox(this);
    driveList_->setObjectName(QStringLiteral("dvlDL"));
    driveList_->setToolTip(QStringLiteral("Select any drive ..."));

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folderTree_ = new QTreeView(this);
    folderTree_->setObjectName(QStringLiteral("Dir1"));
    folderTree_->setToolTip(
        QStringLiteral("Select the path where you want to save the text file..."));
    folderTree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        folderTree_->hideColumn(column);
    folderTree_->setHeaderHidden(true);
    folderTree_->setExpandsOnDoubleClick(false);
    folderTree_->setMinimumHeight(240);
    folderTree_->installEventFilter(this);

    fileNameBox_ = new QLineEdit(this);
    fileNameBox_->setObjectName(QStringLiteral("txtSaveAs"));
    fileNameBox_->setToolTip(QStringLiteral("Enter the path..."));
    ui::SelectOnFocus::Install(fileNameBox_);
    HoverToolTip::Install(
        fileNameBox_, [this] { return QStringLiteral("Entered path : ") + fileNameBox_->text(); });

    okButton_ = new QPushButton(QStringLiteral("&Ok"), this);
    okButton_->setObjectName(QStringLiteral("cmdOk"));
    okButton_->setToolTip(QStringLiteral("Go to Save Design Sheet..."));
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_->setToolTip(QStringLiteral("Click to cancel..."));
    // Only a filled path box makes Enter press OK; focus alone never makes a button the default.
    okButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(driveList_);
    layout->addWidget(folderTree_, 1);
    layout->addWidget(fileNameBox_);
    layout->addLayout(buttons);
    resize(380, 400);

    connect(driveList_, &QComboBox::currentIndexChanged, this, &SelectPathDialog::ChangeVolume);
    connect(folderTree_, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenFolder(folders_->filePath(index)); });
    connect(folders_, &QFileSystemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (parent == folderTree_->rootIndex()) ShowOnlyVolumeRoot();
    });
    connect(fileNameBox_, &QLineEdit::textChanged, this,
            [this](const QString& text) { okButton_->setDefault(!text.isEmpty()); });
    connect(okButton_, &QPushButton::clicked, this, &SelectPathDialog::AcceptPath);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void SelectPathDialog::ChangeVolume(int index) {
    if (index < 0 || ShowVolume(index)) return;
    boxes_.Show(driveList_->itemText(index).toUpper() +
                    QStringLiteral("/ is not available,\r\nThe device is not ready!"),
                ui::MessageIcon::Critical, ui::MessageButtons::Ok, appTitle_);
    // Back to the owner's volume, or to "/" when the owner's volume is the unreadable one.
    const int fallback = index == ownerVolume_ ? rootVolume_ : ownerVolume_;
    const QSignalBlocker quiet(driveList_);
    driveList_->setCurrentIndex(fallback);
    ShowVolume(fallback);
}

bool SelectPathDialog::ShowVolume(int index) {
    const Volume& volume = volumes_[static_cast<std::size_t>(index)];
    if (!IsReadable(volume)) return false;
    shownVolume_ = index;
    folders_->setRootPath(volume.rootPath);
    // The volume's root is the one top entry, so that it can be chosen like any other folder.
    folderTree_->setRootIndex(folders_->index(volume.rootPath).parent());
    ShowOnlyVolumeRoot();
    OpenFolder(volume.rootPath);
    return true;
}

void SelectPathDialog::ShowOnlyVolumeRoot() {
    if (shownVolume_ < 0) return;
    const QString& root = volumes_[static_cast<std::size_t>(shownVolume_)].rootPath;
    const QModelIndex top = folderTree_->rootIndex();
    for (int row = 0; row < folders_->rowCount(top); ++row) {
        folderTree_->setRowHidden(row, top,
                                  folders_->filePath(folders_->index(row, 0, top)) != root);
    }
}

void SelectPathDialog::OpenFolder(const QString& folder) {
    const QModelIndex index = folders_->index(folder);
    folderTree_->setCurrentIndex(index);
    folderTree_->expand(index);
    folderTree_->scrollTo(index);
    fileNameBox_->setText(
        SheetPathInFolder(volumes_[static_cast<std::size_t>(shownVolume_)].rootPath, folder));
}

bool SelectPathDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == folderTree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (folderTree_->currentIndex().isValid()) {
                OpenFolder(folders_->filePath(folderTree_->currentIndex()));
            }
            return true;  // Enter here opens a folder, never presses OK
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SelectPathDialog::AcceptPath() {
    ownerBox_.setText(fileNameBox_->text());
    accept();
}

}  // namespace kestrava
