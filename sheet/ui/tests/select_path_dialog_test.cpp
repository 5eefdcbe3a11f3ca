#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <memory>

#include "sheet/ui/select_path_dialog.h"
#include "ui/testing/scripted_message_boxes.h"

namespace kestrava {

class SelectPathDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void composesTheSheetPathInAFolder_data();
    void composesTheSheetPathInAFolder();
    void opensOnTheOwnersVolumeShowingTheOwnersText_data();
    void opensOnTheOwnersVolumeShowingTheOwnersText();
    void choosingAVolumeProposesItsRoot();
    void enterInTheFolderListOpensTheHighlightedFolder();
    void unreadableVolumeIsReportedAndLeft();
    void defaultButtonAndTooltipFollowThePath();

  private:
    // Opens the dialog on the owner text with "/", the temporary folder and an unreadable volume.
    void Open(const QString& ownerText);
    template <typename T>
    T* Child(const char* name) const {
        T* child = dialog_->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no control %s", name);
        return child;
    }
    QString VolumeRoot() const { return dir_->path() + "/volume"; }

    std::unique_ptr<QTemporaryDir> dir_;
    ui::testing::ScriptedMessageBoxes boxes_;
    QLineEdit owner_;
    std::unique_ptr<SelectPathDialog> dialog_;
};

void SelectPathDialogTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir(dir_->path()).mkpath("volume/Work/Sheets"));
    QVERIFY(QDir(dir_->path()).mkpath("beside the volume"));
    boxes_.Clear();
}

void SelectPathDialogTest::cleanup() {
    dialog_.reset();
    dir_.reset();
}

void SelectPathDialogTest::Open(const QString& ownerText) {
    owner_.setText(ownerText);
    std::vector<Volume> volumes = {{QStringLiteral("/"), QString(), true},
                                   {VolumeRoot(), QStringLiteral("Data"), true},
                                   {VolumeRoot() + "/no medium", QStringLiteral("Card"), false}};
    dialog_ = std::make_unique<SelectPathDialog>(boxes_, owner_, QStringLiteral("frmSave"),
                                                 QStringLiteral("Kestrava"), std::move(volumes));
    dialog_->show();
}

void SelectPathDialogTest::composesTheSheetPathInAFolder_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("system root") << "/"
                                 << "/"
                                 << "/Design Sheet.txt";
    QTest::newRow("folder on /") << "/"
                                 << "/home/user"
                                 << "/home/user/Design Sheet.txt";
    QTest::newRow("volume root") << "/media/usb"
                                 << "/media/usb"
                                 << "/media/usb/Design Sheet.txt";
    QTest::newRow("folder with blanks") << "/media/usb"
                                        << "/media/usb/Program Files/Tool"
                                        << "/media/usb/Program Files/Tool/Design Sheet.txt";
}

void SelectPathDialogTest::composesTheSheetPathInAFolder() {
    QFETCH(QString, root);
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(SheetPathInFolder(root, folder), path);
}

void SelectPathDialogTest::opensOnTheOwnersVolumeShowingTheOwnersText_data() {
    QTest::addColumn<QString>("ownerText");
    QTest::addColumn<int>("volume");
    QTest::newRow("on the data volume") << "%1/Work/x.txt" << 1;
    QTest::newRow("on /") << "/tmp/x.txt" << 0;
    QTest::newRow("relative") << "x.txt" << 0;
    QTest::newRow("empty") << "" << 0;
}

void SelectPathDialogTest::opensOnTheOwnersVolumeShowingTheOwnersText() {
    QFETCH(QString, ownerText);
    QFETCH(int, volume);
    const QString text = ownerText.contains("%1") ? ownerText.arg(VolumeRoot()) : ownerText;
    Open(text);
    QCOMPARE(Child<QComboBox>("dvlDL")->currentIndex(), volume);
    QCOMPARE(Child<QLineEdit>("txtSaveAs")->text(), text);
    QVERIFY(boxes_.ShownBoxes().empty());
}

void SelectPathDialogTest::choosingAVolumeProposesItsRoot() {
    Open("/tmp/x.txt");
    Child<QComboBox>("dvlDL")->setCurrentIndex(1);
    QCOMPARE(Child<QLineEdit>("txtSaveAs")->text(), VolumeRoot() + "/Design Sheet.txt");
    // The volume's root is the list's one top entry: what lies beside it is not on the volume.
    auto* folders = Child<QTreeView>("Dir1");
    auto* model = qobject_cast<QFileSystemModel*>(folders->model());
    const QModelIndex top = folders->rootIndex();
    QTRY_COMPARE(model->rowCount(top), 2);
    for (int row = 0; row < 2; ++row) {
        const QString path = model->filePath(model->index(row, 0, top));
        QCOMPARE(folders->isRowHidden(row, top), path != VolumeRoot());
    }
    Child<QComboBox>("dvlDL")->setCurrentIndex(0);
    QCOMPARE(Child<QLineEdit>("txtSaveAs")->text(), QStringLiteral("/Design Sheet.txt"));
}

void SelectPathDialogTest::enterInTheFolderListOpensTheHighlightedFolder() {
    Open(VolumeRoot() + "/x.txt");
    auto* folders = Child<QTreeView>("Dir1");
    auto* model = qobject_cast<QFileSystemModel*>(folders->model());
    QVERIFY(model != nullptr);
    const QString target = VolumeRoot() + "/Work/Sheets";
    folders->setCurrentIndex(model->index(target));
    QCOMPARE(Child<QLineEdit>("txtSaveAs")->text(), VolumeRoot() + "/x.txt");

    QTest::keyClick(folders, Qt::Key_Return);
    QCOMPARE(Child<QLineEdit>("txtSaveAs")->text(), target + "/Design Sheet.txt");
    QVERIFY(dialog_->isVisible());
    QCOMPARE(owner_.text(), VolumeRoot() + "/x.txt");
}

void SelectPathDialogTest::unreadableVolumeIsReportedAndLeft() {
    Open(VolumeRoot() + "/Work/x.txt");
    auto* volumes = Child<QComboBox>("dvlDL");
    const QString shownAs = volumes->itemText(2);
    volumes->setCurrentIndex(2);

    QCOMPARE(boxes_.ShownBoxes().size(), std::size_t{1});
    QCOMPARE(boxes_.ShownBoxes()[0].text,
             shownAs.toUpper() + "/ is not available,\r\nThe device is not ready!");
    QCOMPARE(boxes_.ShownBoxes()[0].icon, ui::MessageIcon::Critical);
    QCOMPARE(boxes_.ShownBoxes()[0].title, QStringLiteral("Kestrava"));
    QCOMPARE(volumes->currentIndex(), 1);
    QCOMPARE(Child<QLineEdit>("txtSaveAs")->text(), VolumeRoot() + "/Design Sheet.txt");
}

void SelectPathDialogTest::defaultButtonAndTooltipFollowThePath() {
    Open("/before.txt");
    auto* path = Child<QLineEdit>("txtSaveAs");
    auto* ok = Child<QPushButton>("cmdOk");
    QVERIFY(ok->isDefault());
    path->clear();
    QVERIFY(!ok->isDefault());
    QTest::keyClick(path, Qt::Key_Return);
    QVERIFY(dialog_->isVisible());
    QCOMPARE(owner_.text(), QStringLiteral("/before.txt"));

    QCOMPARE(path->toolTip(), QStringLiteral("Enter the path..."));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), path->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(path, &move);
    QCOMPARE(path->toolTip(), QStringLiteral("Entered path : "));

    QTest::keyClick(path, 'y');
    QVERIFY(ok->isDefault());
    QTest::keyClick(path, Qt::Key_Return);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(owner_.text(), QStringLiteral("y"));
}

}  // namespace kestrava

QTEST_MAIN(kestrava::SelectPathDialogTest)
#include "select_path_dialog_test.moc"
