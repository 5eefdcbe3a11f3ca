#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "records/param_record_store.h"
#include "sheet/ui/design_sheet_window.h"
#include "ui/testing/modal_answer.h"
#include "ui/testing/scripted_message_boxes.h"

namespace kestrava {
namespace {

using ui::MessageAnswer;
using ui::MessageButtons;
using ui::MessageIcon;
using Shown = ui::testing::ScriptedMessageBoxes::Shown;

const QString kTitle = QStringLiteral("Kestrava");

RatingTexts SampleTexts() {
    RatingTexts texts;
    texts.primary = "11000";
    texts.kva = "100";
    texts.secondary = "433";
    texts.frequency = "50";
    texts.tapping = "5";
    texts.connection = "Delta-Star";
    return texts;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class DesignSheetWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void startsWithDefaultPathsAndOpenDisabled();
    void saveWritesKeepsARecordAndAsksBeforeReplacing_data();
    void saveWritesKeepsARecordAndAsksBeforeReplacing();
    void missingFolders_data();
    void missingFolders();
    void pathEndingInSeparatorOnlyCreatesFolders();
    void pathWithoutVolumeIsRefused_data();
    void pathWithoutVolumeIsRefused();
    void writeFailureIsReportedAndChangesNothing();
    void recordFailureIsShownWithItsCode();
    void tooltipsFollowTheLastSave();
    void calculationDetailsOnlyApologise();
    void enterPressesTheButtonOfTheLastEditedBox();
    void openingUsesTheCurrentPathAndReportsFailure();
    void backAsksFirst_data();
    void backAsksFirst();
    void closingAfterAConfirmedExitAsksNothingMore();
    void viewTransformerHandsOver();
    void resultsButtonComesLastAndMovesNothing();
    void browseFillsThePathBoxOnlyOnOk_data();
    void browseFillsThePathBoxOnlyOnOk();

  private:
    template <typename T>
    T* Child(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no control %s", name);
        return child;
    }
    QLineEdit* PathBox() const { return Child<QLineEdit>("txtPath"); }
    void Save() { Child<QPushButton>("cmdDsgnSheet")->click(); }
    QString SheetFolder() const { return dir_->path() + QStringLiteral("/Design Sheet"); }
    std::vector<std::string> StoredNames() const {
        const ParamList list = store_->FillParamList();
        return list.has_value() ? list.value() : std::vector<std::string>{"(the listing failed)"};
    }
    static void ExpectShown(const Shown& shown, const QString& text, MessageIcon icon,
                            MessageButtons buttons, const QString& title);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ParamRecordStore> store_;
    std::unique_ptr<ui::testing::ScriptedMessageBoxes> boxes_;
    DesignRecord record_;
    std::unique_ptr<DesignSheetWindow> window_;
    QStringList opened_;
};

void DesignSheetWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    const std::filesystem::path database =
        std::filesystem::path(dir_->path().toStdString()) / "Database" / "TransValAsgn.sqlite";
    QVERIFY(CreateParamRecordDatabase(database).has_value());
    store_ = std::make_unique<ParamRecordStore>(database);
    boxes_ = std::make_unique<ui::testing::ScriptedMessageBoxes>();
    record_ = DesignRecord{};
    record_.connectionType = ConnectionType::DeltaStar;
    window_ = std::make_unique<DesignSheetWindow>(*boxes_, *store_, dir_->path(), kTitle);
    opened_.clear();
    window_->SetDocumentOpener([this](const QString& path) -> std::optional<QString> {
        opened_.push_back(path);
        return std::nullopt;
    });
    window_->ShowDesign(record_, SampleTexts());
}

void DesignSheetWindowTest::cleanup() {
    window_.reset();
    boxes_.reset();
    store_.reset();
    dir_.reset();
}

void DesignSheetWindowTest::ExpectShown(const Shown& shown, const QString& text, MessageIcon icon,
                                        MessageButtons buttons, const QString& title) {
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.icon, icon);
    QCOMPARE(shown.buttons, buttons);
    QCOMPARE(shown.title, title);
}

void DesignSheetWindowTest::startsWithDefaultPathsAndOpenDisabled() {
    const QString expected = dir_->path() + QStringLiteral("/Design Sheet/Design Sheet.txt");
    QCOMPARE(window_->objectName(), QStringLiteral("frmDsgnSheet"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Kestrava: Save Design Sheet"));
    QCOMPARE(PathBox()->text(), expected);
    QCOMPARE(Child<QLineEdit>("txtPathCalcDetail")->text(), expected);
    QVERIFY(!Child<QPushButton>("cmdOpenTxt")->isEnabled());
    QVERIFY(window_->SheetFileName().isEmpty());
}

void DesignSheetWindowTest::saveWritesKeepsARecordAndAsksBeforeReplacing_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace Yes") << true;
    QTest::newRow("replace No") << false;
}

void DesignSheetWindowTest::saveWritesKeepsARecordAndAsksBeforeReplacing() {
    QFETCH(bool, replace);
    QVERIFY(QDir().mkdir(SheetFolder()));
    const QString path = PathBox()->text();
    Child<QPushButton>("cmdVwTrans")->setFocus();
    Save();

    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{2});
    ExpectShown(boxes_->ShownBoxes()[0], path + " - is saved.", MessageIcon::Information,
                MessageButtons::Ok, kTitle);
    ExpectShown(boxes_->ShownBoxes()[1], "Record keeping done successfully.",
                MessageIcon::Information, MessageButtons::Ok, kTitle);
    QVERIFY(ReadAll(path).contains("Delta-Star"));
    QVERIFY(Child<QPushButton>("cmdOpenTxt")->isEnabled());
    QCOMPARE(window_->focusWidget(), PathBox());
    QCOMPARE(StoredNames(), std::vector<std::string>{"Design Sheet.txt"});
    const ParamRecordStore::Loaded loaded = store_->LoadParamRecord("Design Sheet.txt");
    QVERIFY(loaded.has_value() && loaded.value().has_value());
    QCOMPARE(loaded.value()->prmVolt, std::string("11000"));

    WriteAll(path, "old sheet");
    boxes_->Clear();
    Child<QPushButton>("cmdVwTrans")->setFocus();
    boxes_->Answer(replace ? MessageAnswer::Yes : MessageAnswer::No);
    Save();
    ExpectShown(boxes_->ShownBoxes().at(0),
                "Design Sheet.txt already exists!\r\nDo you want to replace it?",
                MessageIcon::Warning, MessageButtons::YesNo, kTitle);
    QCOMPARE(boxes_->ShownBoxes().size(), replace ? std::size_t{3} : std::size_t{1});
    QCOMPARE(ReadAll(path) == "old sheet", !replace);
    QCOMPARE(StoredNames().size(), replace ? std::size_t{2} : std::size_t{1});
    QCOMPARE(window_->focusWidget() == PathBox(), replace);
}

void DesignSheetWindowTest::missingFolders_data() {
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<bool>("foldersMade");
    QTest::addColumn<qint64>("fileSize");  // -1: no file
    QTest::addColumn<int>("records");
    using A = MessageAnswer;
    QTest::newRow("No creates nothing") << QList<A>{A::No} << false << qint64{-1} << 0;
    QTest::newRow("Yes, then keep the empty file")
        << QList<A>{A::Yes, A::No} << true << qint64{0} << 0;
    QTest::newRow("Yes, then replace it") << QList<A>{A::Yes, A::Yes} << true << qint64{-2} << 1;
}

void DesignSheetWindowTest::missingFolders() {
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(bool, foldersMade);
    QFETCH(qint64, fileSize);
    QFETCH(int, records);
    QVERIFY(QDir().mkdir(dir_->path() + "/A"));  // an existing folder on the way is left alone
    WriteAll(dir_->path() + "/A/keep.txt", "kept");
    const QString path = dir_->path() + "/A/B/C/x.txt";
    PathBox()->setText(path);
    for (MessageAnswer answer : answers) boxes_->Answer(answer);
    Save();

    ExpectShown(boxes_->ShownBoxes().at(0),
                path + "doesn't exists !!\r\nDo you want to create a new folder ?",
                MessageIcon::Information, MessageButtons::YesNo, kTitle);
    if (answers.size() > 1) {
        QCOMPARE(boxes_->ShownBoxes().at(1).text,
                 QStringLiteral("x.txt already exists!\r\nDo you want to replace it?"));
    }
    QCOMPARE(QFileInfo(dir_->path() + "/A/B/C").isDir(), foldersMade);
    QCOMPARE(ReadAll(dir_->path() + "/A/keep.txt"), QByteArray("kept"));
    const QFileInfo file(path);
    if (fileSize == -1) QVERIFY(!file.exists());
    if (fileSize == 0) QCOMPARE(file.size(), qint64{0});
    if (fileSize == -2) QVERIFY(file.size() > 1000);
    QCOMPARE(static_cast<int>(StoredNames().size()), records);
    if (answers == QList<MessageAnswer>{MessageAnswer::No}) {
        QCOMPARE(window_->focusWidget(), PathBox());
    }
}

void DesignSheetWindowTest::pathEndingInSeparatorOnlyCreatesFolders() {
    const QString path = dir_->path() + "/A/B/";
    PathBox()->setText(path);
    boxes_->Answer(MessageAnswer::Yes);
    Save();

    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{1});
    QVERIFY(QFileInfo(dir_->path() + "/A/B").isDir());
    QCOMPARE(QDir(dir_->path() + "/A/B").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
    QVERIFY(!Child<QPushButton>("cmdOpenTxt")->isEnabled());
    QVERIFY(StoredNames().empty());
}

void DesignSheetWindowTest::pathWithoutVolumeIsRefused_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "  drive doesn't exists...";
    QTest::newRow("relative") << "sheets/x.txt"
                              << "she  drive doesn't exists...";
    QTest::newRow("drive letter") << "Q:\\x.txt"
                                  << "Q:\\  drive doesn't exists...";
}

void DesignSheetWindowTest::pathWithoutVolumeIsRefused() {
    QFETCH(QString, path);
    QFETCH(QString, message);
    PathBox()->setText(path);
    Child<QPushButton>("cmdVwTrans")->setFocus();
    Save();

    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{1});
    ExpectShown(boxes_->ShownBoxes()[0], message, MessageIcon::Critical, MessageButtons::Ok,
                kTitle);
    QCOMPARE(window_->focusWidget(), PathBox());
    QVERIFY(window_->SheetFileName().isEmpty());
    QVERIFY(StoredNames().empty());
}

void DesignSheetWindowTest::writeFailureIsReportedAndChangesNothing() {
    // The path names an existing folder: the writer cannot replace it with a file.
    QVERIFY(QDir().mkdir(SheetFolder()));
    PathBox()->setText(SheetFolder());
    Save();

    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{1});
    QCOMPARE(boxes_->ShownBoxes()[0].icon, MessageIcon::Critical);
    QCOMPARE(boxes_->ShownBoxes()[0].title, kTitle);
    QVERIFY2(boxes_->ShownBoxes()[0].text.contains(SheetFolder()),
             qPrintable(boxes_->ShownBoxes()[0].text));
    QVERIFY(QFileInfo(SheetFolder()).isDir());
    QVERIFY(!Child<QPushButton>("cmdOpenTxt")->isEnabled());
    QVERIFY(StoredNames().empty());
}

void DesignSheetWindowTest::recordFailureIsShownWithItsCode() {
    QVERIFY(QDir().mkdir(SheetFolder()));
    QVERIFY(QFile::remove(dir_->path() + "/Database/TransValAsgn.sqlite"));
    const StoreStatus added = store_->AddParamRecord("/x/Design Sheet.txt", SampleTexts());
    QVERIFY(!added.has_value());
    const StoreError* expected = &added.error();
    Save();

    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{2});
    ExpectShown(boxes_->ShownBoxes()[1], QString::fromStdString(expected->description),
                MessageIcon::Information, MessageButtons::Ok, QString::number(expected->code));
    QVERIFY(Child<QPushButton>("cmdOpenTxt")->isEnabled());
}

void DesignSheetWindowTest::tooltipsFollowTheLastSave() {
    QVERIFY(QDir().mkdir(SheetFolder()));
    auto* open = Child<QPushButton>("cmdOpenTxt");
    for (const QString& name : {QStringLiteral("first.txt"), QStringLiteral("second.txt")}) {
        PathBox()->setText(SheetFolder() + "/" + name);
        Save();
    }
    PathBox()->setText(SheetFolder() + "/typed but not saved.txt");
    for (QWidget* widget : {static_cast<QWidget*>(open), static_cast<QWidget*>(PathBox())}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QCOMPARE(open->toolTip(), QStringLiteral("Click to see second.txt"));
    QCOMPARE(PathBox()->toolTip(), SheetFolder() + "/typed but not saved.txt");
}

void DesignSheetWindowTest::calculationDetailsOnlyApologise() {
    QVERIFY(QDir().mkdir(SheetFolder()));
    Child<QPushButton>("cmdCalcDetail")->click();
    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{1});
    ExpectShown(boxes_->ShownBoxes()[0],
                "Sorry, this feature is not available in this version. Contact us to get a newer "
                "version.",
                MessageIcon::None, MessageButtons::Ok, QString());
    QCOMPARE(QDir(SheetFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void DesignSheetWindowTest::enterPressesTheButtonOfTheLastEditedBox() {
    auto* calcBox = Child<QLineEdit>("txtPathCalcDetail");
    auto* calcSave = Child<QPushButton>("cmdCalcDetail");
    auto* sheetSave = Child<QPushButton>("cmdDsgnSheet");

    calcBox->setText("relative");
    QVERIFY(calcSave->isDefault());
    QVERIFY(!sheetSave->isDefault());
    QTest::keyClick(calcBox, Qt::Key_Return);
    QCOMPARE(boxes_->ShownBoxes().back().icon, MessageIcon::None);

    PathBox()->setText("relative");
    QVERIFY(sheetSave->isDefault());
    QVERIFY(!calcSave->isDefault());
    QTest::keyClick(PathBox(), Qt::Key_Return);
    QCOMPARE(boxes_->ShownBoxes().back().text, QStringLiteral("rel  drive doesn't exists..."));
}

void DesignSheetWindowTest::openingUsesTheCurrentPathAndReportsFailure() {
    QVERIFY(QDir().mkdir(SheetFolder()));
    Save();
    boxes_->Clear();
    PathBox()->setText(SheetFolder() + "/never saved.txt");
    Child<QPushButton>("cmdOpenTxt")->click();
    QCOMPARE(opened_, QStringList{SheetFolder() + "/never saved.txt"});  // the current text
    QVERIFY(boxes_->ShownBoxes().empty());

    window_->SetDocumentOpener(OpenWithDesktop);
    Child<QPushButton>("cmdOpenTxt")->click();
    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{1});
    QCOMPARE(boxes_->ShownBoxes()[0].icon, MessageIcon::Critical);
    QVERIFY(boxes_->ShownBoxes()[0].text.endsWith(" !!"));
    QVERIFY(boxes_->ShownBoxes()[0].text.contains("never saved.txt"));
}

void DesignSheetWindowTest::backAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void DesignSheetWindowTest::backAsksFirst() {
    QFETCH(bool, yes);
    QSignalSpy back(window_.get(), &DesignSheetWindow::backConfirmed);
    boxes_->Answer(yes ? MessageAnswer::Yes : MessageAnswer::No);
    Child<QPushButton>("cmdCancel")->click();

    ExpectShown(boxes_->ShownBoxes().at(0),
                "Warning: If you go back to the previous form your current transformer parameters "
                "may be lost.\r\nYou are recommended to save the Design Sheet before going "
                "back.\r\n\r\nDo you want to go back?",
                MessageIcon::Information, MessageButtons::YesNo, kTitle);
    QCOMPARE(back.count(), yes ? 1 : 0);
    QCOMPARE(window_->isVisible(), !yes);
}

// The program ends after Yes; the windows closing then must not ask again.
void DesignSheetWindowTest::closingAfterAConfirmedExitAsksNothingMore() {
    QSignalSpy exit(window_.get(), &DesignSheetWindow::exitConfirmed);
    boxes_->Answer(MessageAnswer::Yes);
    Child<QPushButton>("cmdExit")->click();
    QVERIFY(window_->close());
    QCOMPARE(boxes_->ShownBoxes().size(), std::size_t{1});
    QCOMPARE(exit.count(), 1);
}

void DesignSheetWindowTest::viewTransformerHandsOver() {
    QSignalSpy view(window_.get(), &DesignSheetWindow::viewTransformerRequested);
    Child<QPushButton>("cmdVwTrans")->click();
    QCOMPARE(view.count(), 1);
    QVERIFY(!window_->isVisible());
    QVERIFY(boxes_->ShownBoxes().empty());
}

void DesignSheetWindowTest::resultsButtonComesLastAndMovesNothing() {
    auto* results = Child<QPushButton>("cmdResults");
    QCOMPARE(Child<QPushButton>("cmdExit")->nextInFocusChain(), results);
    QSignalSpy requested(window_.get(), &DesignSheetWindow::resultsRequested);
    results->click();
    QCOMPARE(requested.count(), 1);
    QVERIFY(window_->isVisible());

    // Every other control stands where it stands without the button.
    QMap<QString, QRect> withButton;
    for (QWidget* control : window_->findChildren<QWidget*>()) {
        if (control != results) withButton[control->objectName()] = control->geometry();
    }
    results->hide();
    window_->layout()->activate();
    for (QWidget* control : window_->findChildren<QWidget*>()) {
        if (control == results || control->objectName().isEmpty()) continue;
        QCOMPARE(control->geometry(), withButton.value(control->objectName()));
    }
}

void DesignSheetWindowTest::browseFillsThePathBoxOnlyOnOk_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("ok");
    QTest::newRow("sheet Ok") << "cmdBrowse"
                              << "frmSave"
                              << "txtPath" << true;
    QTest::newRow("sheet Cancel") << "cmdBrowse"
                                  << "frmSave"
                                  << "txtPath" << false;
    QTest::newRow("details Ok") << "cmdBrowse4Calc"
                                << "frmSaveCalcDetail"
                                << "txtPathCalcDetail" << true;
    QTest::newRow("details Cancel") << "cmdBrowse4Calc"
                                    << "frmSaveCalcDetail"
                                    << "txtPathCalcDetail" << false;
}

void DesignSheetWindowTest::browseFillsThePathBoxOnlyOnOk() {
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, box);
    QFETCH(bool, ok);
    auto* owner = Child<QLineEdit>(box.toLatin1().constData());
    const QString before = owner->text();
    QString seen;
    ui::testing::ModalAnswer picks([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), dialog);
        auto* saveAs = modal->findChild<QLineEdit*>("txtSaveAs");
        seen = saveAs->text();
        saveAs->setText("/elsewhere/picked.txt");
        modal->findChild<QPushButton*>(ok ? "cmdOk" : "Command1")->click();
    });
    Child<QPushButton>(button.toLatin1().constData())->click();
    QVERIFY(picks.Answered());

    QCOMPARE(seen, before);
    QCOMPARE(owner->text(), ok ? QStringLiteral("/elsewhere/picked.txt") : before);
    if (ok) QCOMPARE(window_->focusWidget(), owner);
    QVERIFY(window_->isVisible());
}

}  // namespace kestrava

QTEST_MAIN(kestrava::DesignSheetWindowTest)
#include "design_sheet_window_test.moc"
