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
        const QSignalBlocker quiet(dvlDL_);
        for (const Volume& volume : volumes_) dvlDL_->addItem(volume.DisplayText());
        dvlDL_->setCurrentIndex(-1);
    }
    dvlDL_->setCurrentIndex(ownerVolume_);
    // The lists show where the owner's volume starts; the box keeps what was already entered.
    txtSaveAs_->setText(ownerBox_.text());
}

void SelectPathDialog::BuildControls() {
    dvlDL_ = new QComboBox(this);
    dvlDL_->setObjectName(QStringLiteral("dvlDL"));
    dvlDL_->setToolTip(QStringLiteral("Select any drive ..."));

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    dir1_ = new QTreeView(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setToolTip(QStringLiteral("Select the path where you want to save the text file..."));
    dir1_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) dir1_->hideColumn(column);
    dir1_->setHeaderHidden(true);
    dir1_->setExpandsOnDoubleClick(false);
    dir1_->setMinimumHeight(240);
    dir1_->installEventFilter(this);

    txtSaveAs_ = new QLineEdit(this);
    txtSaveAs_->setObjectName(QStringLiteral("txtSaveAs"));
    txtSaveAs_->setToolTip(QStringLiteral("Enter the path..."));
    ui::SelectOnFocus::Install(txtSaveAs_);
    HoverToolTip::Install(
        txtSaveAs_, [this] { return QStringLiteral("Entered path : ") + txtSaveAs_->text(); });

    cmdOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setToolTip(QStringLiteral("Go to Save Design Sheet..."));
    command1_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setToolTip(QStringLiteral("Click to cancel..."));
    // Only a filled path box makes Enter press OK; focus alone never makes a button the default.
    cmdOk_->setAutoDefault(false);
    command1_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dvlDL_);
    layout->addWidget(dir1_, 1);
    layout->addWidget(txtSaveAs_);
    layout->addLayout(buttons);
    resize(380, 400);

    connect(dvlDL_, &QComboBox::currentIndexChanged, this, &SelectPathDialog::ChangeVolume);
    connect(dir1_, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenFolder(folders_->filePath(index)); });
    connect(folders_, &QFileSystemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (parent == dir1_->rootIndex()) ShowOnlyVolumeRoot();
    });
    connect(txtSaveAs_, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdOk_->setDefault(!text.isEmpty()); });
    connect(cmdOk_, &QPushButton::clicked, this, &SelectPathDialog::AcceptPath);
    connect(command1_, &QPushButton::clicked, this, &QDialog::reject);
}

void SelectPathDialog::ChangeVolume(int index) {
    if (index < 0 || ShowVolume(index)) return;
    boxes_.Show(dvlDL_->itemText(index).toUpper() +
                    QStringLiteral("/ is not available,\r\nThe device is not ready!"),
                ui::MessageIcon::Critical, ui::MessageButtons::Ok, appTitle_);
    // Back to the owner's volume, or to "/" when the owner's volume is the unreadable one.
    const int fallback = index == ownerVolume_ ? rootVolume_ : ownerVolume_;
    const QSignalBlocker quiet(dvlDL_);
    dvlDL_->setCurrentIndex(fallback);
    ShowVolume(fallback);
}

bool SelectPathDialog::ShowVolume(int index) {
    const Volume& volume = volumes_[static_cast<std::size_t>(index)];
    if (!IsReadable(volume)) return false;
    shownVolume_ = index;
    folders_->setRootPath(volume.rootPath);
    // The volume's root is the one top entry, so that it can be chosen like any other folder.
    dir1_->setRootIndex(folders_->index(volume.rootPath).parent());
    ShowOnlyVolumeRoot();
    OpenFolder(volume.rootPath);
    return true;
}

void SelectPathDialog::ShowOnlyVolumeRoot() {
    if (shownVolume_ < 0) return;
    const QString& root = volumes_[static_cast<std::size_t>(shownVolume_)].rootPath;
    const QModelIndex top = dir1_->rootIndex();
    for (int row = 0; row < folders_->rowCount(top); ++row) {
        dir1_->setRowHidden(row, top, folders_->filePath(folders_->index(row, 0, top)) != root);
    }
}

void SelectPathDialog::OpenFolder(const QString& folder) {
    const QModelIndex index = folders_->index(folder);
    dir1_->setCurrentIndex(index);
    dir1_->expand(index);
    dir1_->scrollTo(index);
    txtSaveAs_->setText(
        SheetPathInFolder(volumes_[static_cast<std::size_t>(shownVolume_)].rootPath, folder));
}

bool SelectPathDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dir1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (dir1_->currentIndex().isValid()) {
                OpenFolder(folders_->filePath(dir1_->currentIndex()));
            }
            return true;  // Enter here opens a folder, never presses OK
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SelectPathDialog::AcceptPath() {
    ownerBox_.setText(txtSaveAs_->text());
    accept();
}

}  // namespace kestrava
