#include <sqlite3.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/transformer_calc_window.h"
#include "engine/conductor_table.h"
#include "records/param_record_store.h"
#include "ui/testing/scripted_message_boxes.h"

using namespace kestrava;
using kestrava::ui::MessageAnswer;
using kestrava::ui::MessageIcon;
using kestrava::ui::testing::ScriptedMessageBoxes;

namespace {

// Strips 4 mm thick from 0.5 to 200 mm², ascending by area.
InMemoryConductorTable StripTable() {
    std::vector<ConductorStrip> rows;
    for (int i = 1; i <= 400; ++i) rows.push_back({0.5 * i, 4.0, 0.5 * i / 4.0});
    return InMemoryConductorTable(std::move(rows));
}

// A parameter window over a temporary record store, with scripted message boxes.
struct Harness {
    enum class Store { Empty, Missing };

    explicit Harness(Store kind = Store::Empty)
        : databaseFile(QString(dir.filePath("TransValAsgn.sqlite")).toStdString()),
          store(databaseFile) {
        if (kind == Store::Empty) (void)CreateParamRecordDatabase(databaseFile);
    }

    void Add(const char* sheetPath, const RatingTexts& texts) {
        QVERIFY(store.AddParamRecord(sheetPath, texts).has_value());
    }

    TransformerCalcWindow& Open() {
        window = std::make_unique<TransformerCalcWindow>(boxes, store, table, record, "Kestrava");
        return *window;
    }

    TransformerCalcWindow& OpenShown() {
        Open().show();
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
        boxes.Clear();
        return *window;
    }

    QLineEdit* Box(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QComboBox* List(const char* name) const { return window->findChild<QComboBox*>(name); }
    QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }

    void Fill(const char* kva, const char* primary, const char* secondary,
              const char* frequency = "50", const char* tapping = "5") {
        Box("txtKVARating")->setText(kva);
        Box("txtPrmVolt")->setText(primary);
        Box("txtSecondVolt")->setText(secondary);
        Box("txtFrequency")->setText(frequency);
        Box("txtTapping")->setText(tapping);
    }

    QStringList ShownTexts() const {
        QStringList texts;
        for (const auto& shown : boxes.ShownBoxes()) texts << shown.text;
        return texts;
    }

    QTemporaryDir dir;
    std::filesystem::path databaseFile;
    ParamRecordStore store;
    InMemoryConductorTable table = StripTable();
    DesignRecord record;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<TransformerCalcWindow> window;
};

// Turns the mouse wheel one notch down over 'widget', as the pointer passing over it would.
void WheelDown(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

void ExecuteSql(const std::filesystem::path& file, const char* sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// Appends 'count' records of long names in one statement, enough to fill many pages.
const char* kAppendManySql =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
    "INSERT INTO TransValAsgn (File_Name, Prm_Volt, KVA_Rate, Secon_Volt, Frequency, Conn_Type) "
    "SELECT printf('%04d-%0100d.txt', i, 0), '11000', '100', '433', '50', 0 FROM n";

// Leaves 'file' as an append that died half-way leaves it: the new rows already in the file and
// the journal that undoes them beside it, with no process holding the database.
void InterruptAppend(const std::filesystem::path& file) {
    const std::string scratch = file.string() + ".scratch";
    std::filesystem::copy_file(file, scratch);
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(scratch.c_str(), &db), SQLITE_OK);
    // A tiny page cache makes the open transaction spill its pages into the file.
    const std::string sql = std::string("PRAGMA cache_size = 2; BEGIN; ") + kAppendManySql;
    QCOMPARE(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    std::filesystem::copy_file(scratch, file, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(scratch + "-journal", file.string() + "-journal");
    sqlite3_close(db);
}

}  // namespace

class TransformerCalcWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void loadShowsDefaultsAndTheEmptyStoreNotice() {
        Harness h;
        TransformerCalcWindow& window = h.Open();
        QCOMPARE(window.windowTitle(), QString("Kestrava: Transformer Parameters"));
        QCOMPARE(h.Box("txtTapping")->text(), QString("5"));
        QCOMPARE(h.Box("txtFrequency")->text(), QString("50"));
        QCOMPARE(h.List("cboConnType")->currentText(), QString("Delta-Star"));
        QCOMPARE(h.List("cboWin")->currentText(), QString("Core Type"));
        QVERIFY(!h.List("cboWin")->isEnabled());
        QCOMPARE(h.List("cboPhase")->currentText(), QString("Three"));
        QCOMPARE(h.List("cboFile")->count(), 0);
        QCOMPARE(window.DefaultPushButton(), h.Button("cmdExit"));
        QCOMPARE(h.ShownTexts(), QStringList{"No ratings have been saved yet."});
        QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Information);
        QCOMPARE(h.boxes.ShownBoxes()[0].title, QString("Kestrava"));
        // Returning to the window with the store still empty says nothing more.
        window.RefillRecordList();
        window.RefillRecordList();
        QCOMPARE(h.boxes.ShownBoxes().size(), 1u);
    }

    void missingDatabaseLeavesTheListEmptyAndQuiet() {
        Harness h(Harness::Store::Missing);
        h.Open();
        QCOMPARE(h.List("cboFile")->count(), 0);
        QVERIFY(h.boxes.ShownBoxes().empty());
    }

    void recordListNewestFirstAndTheNewestSameNameWins() {
        Harness h;
        h.Add("/sheets/A.txt", {"100", "11000", "433", "50", "Delta-Star", "5"});
        h.Add("/sheets/B.txt", {"200", "6600", "415", "60", "Star-Delta", "5"});
        h.Add("/sheets/A.txt", {"300", "3300", "440", "50", "Delta-Delta", "5"});
        h.Open();
        QVERIFY(h.boxes.ShownBoxes().empty());
        QComboBox* files = h.List("cboFile");
        QCOMPARE(files->count(), 3);
        QCOMPARE(files->itemText(0), QString("A.txt"));
        QCOMPARE(files->itemText(1), QString("B.txt"));
        QCOMPARE(files->itemText(2), QString("A.txt"));
        QCOMPARE(h.Box("txtKVARating")->text(), QString("300"));
        QCOMPARE(h.Box("txtPrmVolt")->text(), QString("3300"));
        QCOMPARE(h.List("cboConnType")->currentIndex(), 3);
        QCOMPARE(h.window->DefaultPushButton(), h.Button("cmdNext"));

        h.Box("txtTapping")->setText("7");
        files->setCurrentIndex(1);
        emit files->activated(1);
        QCOMPARE(h.Box("txtKVARating")->text(), QString("200"));
        QCOMPARE(h.Box("txtSecondVolt")->text(), QString("415"));
        QCOMPARE(h.Box("txtFrequency")->text(), QString("60"));
        QCOMPARE(h.List("cboConnType")->currentText(), QString("Star-Delta"));
        QCOMPARE(h.Box("txtTapping")->text(), QString("7"));

        files->setCurrentIndex(2);
        emit files->activated(2);
        QCOMPARE(h.Box("txtKVARating")->text(), QString("300"));
    }

    void refillListsTheNewRecordFirstWithoutDuplicates() {
        Harness h;
        h.Add("/sheets/A.txt", {"100", "11000", "433", "50", "Delta-Star", "5"});
        h.Open();
        h.Box("txtKVARating")->setText("999");
        h.Add("/sheets/C.txt", {"250", "11000", "433", "50", "Star-Star", "5"});
        h.window->RefillRecordList();
        QCOMPARE(h.List("cboFile")->count(), 2);
        QCOMPARE(h.List("cboFile")->itemText(0), QString("C.txt"));
        QCOMPARE(h.List("cboFile")->currentIndex(), 0);
        QCOMPARE(h.Box("txtKVARating")->text(), QString("250"));
        QCOMPARE(h.List("cboConnType")->currentText(), QString("Star-Star"));
    }

    void listingThatFailsPartWaySelectsAndLoadsNothing() {
        Harness h;
        ExecuteSql(h.databaseFile, kAppendManySql);
        // Damage a page in the middle of the table: the newest names list, then reading fails.
        {
            std::fstream file(h.databaseFile, std::ios::in | std::ios::out | std::ios::binary);
            const auto pages = std::filesystem::file_size(h.databaseFile) / 4096;
            file.seekp(static_cast<std::streamoff>(pages / 2 * 4096));
            file << std::string(4096, '\xff');
        }
        h.Open();
        QComboBox* files = h.List("cboFile");
        QVERIFY(files->count() > 0);
        QVERIFY(files->count() < 600);
        QCOMPARE(files->currentIndex(), -1);
        QCOMPARE(h.Box("txtKVARating")->text(), QString());
        QVERIFY(h.boxes.ShownBoxes().empty());
    }

    void interruptedAppendLeavesTheListReadable() {
        Harness h;
        h.Add("/sheets/A.txt", {"100", "11000", "433", "50", "Delta-Star", "5"});
        h.Add("/sheets/B.txt", {"200", "6600", "415", "60", "Star-Delta", "5"});
        InterruptAppend(h.databaseFile);
        h.Open();
        QVERIFY(h.boxes.ShownBoxes().empty());
        QComboBox* files = h.List("cboFile");
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->itemText(0), QString("B.txt"));
        QCOMPARE(h.Box("txtKVARating")->text(), QString("200"));
        // The journal has been rolled back: the next append goes on from the sound store.
        h.Add("/sheets/C.txt", {"300", "3300", "440", "50", "Star-Star", "5"});
        h.window->RefillRecordList();
        QCOMPARE(files->count(), 3);
    }

    void badStoredRecordIsReportedAndTheWindowStaysUsable() {
        Harness h;
        h.Add("/sheets/A.txt", {"100", "11000", "433", "50", "Delta-Star", "5"});
        ExecuteSql(h.databaseFile,
                   "INSERT INTO TransValAsgn (File_Name, Prm_Volt, KVA_Rate, Secon_Volt, "
                   "Frequency, Conn_Type) VALUES ('Bad.txt', '1', '2', '3', '50', 7)");
        TransformerCalcWindow& window = h.Open();
        QCOMPARE(h.boxes.ShownBoxes().size(), 1u);
        QVERIFY(h.boxes.ShownBoxes()[0].text.contains("Bad.txt"));
        QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Exclamation);
        QCOMPARE(h.List("cboConnType")->currentText(), QString("Delta-Star"));
        QCOMPARE(h.Box("txtPrmVolt")->text(), QString());

        // The other record still loads, and a design still runs.
        h.List("cboFile")->setCurrentIndex(1);
        emit h.List("cboFile")->activated(1);
        QCOMPARE(h.Box("txtPrmVolt")->text(), QString("11000"));
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        h.Box("txtTapping")->setText("0");
        h.Button("cmdNext")->click();
        QCOMPARE(ready.count(), 1);
    }

    void leaveCheckOfMandatoryBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << "txtKVARating"
                               << "" << false;
        QTest::newRow("blanks") << "txtKVARating"
                                << "   " << false;
        QTest::newRow("letters") << "txtKVARating"
                                 << "abc" << true;
        QTest::newRow("thousands comma") << "txtPrmVolt"
                                         << "11,000" << true;
        QTest::newRow("inner blank") << "txtPrmVolt"
                                     << "11 000" << false;
        QTest::newRow("exponent") << "txtSecondVolt"
                                  << "4.33E2" << false;
        QTest::newRow("trailing letters") << "txtSecondVolt"
                                          << "433V" << true;
    }
    void leaveCheckOfMandatoryBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        Harness h;
        h.OpenShown();
        QLineEdit* edit = h.Box(box.toLatin1().constData());
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Tab);
        if (refused) {
            QCOMPARE(h.ShownTexts(), QStringList{"Enter numerical value!"});
            QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Exclamation);
            QCOMPARE(h.boxes.ShownBoxes()[0].title, QString("Kestrava"));
            QCOMPARE(edit->text(), QString());
            QTRY_VERIFY(edit->hasFocus());
        } else {
            QVERIFY(h.boxes.ShownBoxes().empty());
            QCOMPARE(edit->text(), text);
            QVERIFY(!edit->hasFocus());
        }
    }

    void refusedLeaveSwallowsTheClick() {
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QSignalSpy back(&window, &TransformerCalcWindow::backRequested);
        QLineEdit* kva = h.Box("txtKVARating");
        kva->setFocus();
        QTRY_VERIFY(kva->hasFocus());
        kva->setText("abc");
        QTest::mouseClick(h.Button("cmdBack"), Qt::LeftButton);
        QCOMPARE(h.ShownTexts(), QStringList{"Enter numerical value!"});
        QCOMPARE(back.count(), 0);
        QVERIFY(window.isVisible());
        QVERIFY(kva->hasFocus());
        QCOMPARE(kva->text(), QString());
        // The Back mnemonic is refused the same way.
        kva->setText("11,000");
        QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(h.boxes.ShownBoxes().size(), 2u);
        QCOMPARE(back.count(), 0);
        QCOMPARE(kva->text(), QString());
        QTRY_VERIFY(kva->hasFocus());
        // With a number in the box the same click goes through.
        kva->setText("100");
        QTest::mouseClick(h.Button("cmdBack"), Qt::LeftButton);
        QCOMPARE(back.count(), 1);
        QVERIFY(!window.isVisible());
    }

    void nextFindsTheFirstEmptyFieldInCheckOrder_data() {
        QTest::addColumn<QStringList>("values");  // kva, primary, secondary, frequency, tapping
        QTest::addColumn<QString>("focused");
        QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << "txtKVARating";
        QTest::newRow("kva blanks") << QStringList{"  ", "1", "1", "50", "5"} << "txtKVARating";
        QTest::newRow("frequency before primary")
            << QStringList{"100", "", "433", "", "5"} << "txtFrequency";
        QTest::newRow("primary") << QStringList{"100", "", "433", "50", "5"} << "txtPrmVolt";
        QTest::newRow("secondary") << QStringList{"100", "11000", "", "50", ""} << "txtSecondVolt";
        QTest::newRow("tapping blanks")
            << QStringList{"100", "11000", "433", "50", " "} << "txtTapping";
    }
    void nextFindsTheFirstEmptyFieldInCheckOrder() {
        QFETCH(QStringList, values);
        QFETCH(QString, focused);
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        h.record.engineError = true;
        const QByteArray v[5] = {values[0].toUtf8(), values[1].toUtf8(), values[2].toUtf8(),
                                 values[3].toUtf8(), values[4].toUtf8()};
        h.Fill(v[0], v[1], v[2], v[3], v[4]);
        h.Button("cmdNext")->click();
        QCOMPARE(h.ShownTexts(), QStringList{"Please enter valid data."});
        QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Exclamation);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(ready.count(), 0);
        QVERIFY(!h.record.engineError);
    }

    void nextWithoutConnectionTypeSelectsTheFirst() {
        Harness h;
        h.OpenShown();
        h.Fill("100", "11000", "433");
        h.List("cboConnType")->setCurrentIndex(-1);
        h.Button("cmdNext")->click();
        QCOMPARE(h.ShownTexts(), QStringList{"Please select the Connection Type."});
        QCOMPARE(h.List("cboConnType")->currentIndex(), 0);
        QTRY_COMPARE(QApplication::focusWidget(), h.List("cboConnType"));
    }

    void textsTheInputsCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("tapping");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("frequency") << "11000"
                                   << "40000"
                                   << "5"
                                   << "txtFrequency"
                                   << "The frequency is out of range";
        QTest::newRow("tapping") << "11000"
                                 << "50"
                                 << "-32768.6"
                                 << "txtTapping"
                                 << "The tapping is out of range";
        // Numeric once blanks are skipped, but the sheet copies the text as typed.
        QTest::newRow("pasted tab") << "11\t000"
                                    << "50"
                                    << "5"
                                    << "txtPrmVolt"
                                    << "Please enter valid data.";
    }
    void textsTheInputsCannotHoldAreRefused() {
        QFETCH(QString, primary);
        QFETCH(QString, frequency);
        QFETCH(QString, tapping);
        QFETCH(QString, focused);
        QFETCH(QString, refusal);
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        h.Fill("100", "", "433", frequency.toUtf8(), tapping.toUtf8());
        h.Box("txtPrmVolt")->insert(primary);
        h.Button("cmdNext")->click();
        QCOMPARE(h.boxes.ShownBoxes().size(), 1u);
        QVERIFY(h.boxes.ShownBoxes()[0].text.startsWith(refusal));
        QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Exclamation);
        QCOMPARE(ready.count(), 0);
        QVERIFY(window.isVisible());
        QCOMPARE(h.record.kvaRating, 0.0);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void nextStoresTheLeadingNumbers() {
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        h.Fill("100", "11 000", "433", "50.5", "2.5");
        h.Button("cmdNext")->click();
        QCOMPARE(ready.count(), 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(h.record.kvaRating, 100.0);
        QCOMPARE(h.record.primaryVoltage, 11000.0);  // delta H.V. keeps the line voltage
        QCOMPARE(h.record.frequency, std::int16_t{50});
        QCOMPARE(h.record.tapping, std::int16_t{2});
        QCOMPARE(h.record.connectionType, ConnectionType::DeltaStar);
        QVERIFY(!h.record.engineError);
        QVERIFY(h.record.tableFound);

        const RatingTexts texts = window.CurrentTexts();
        QCOMPARE(texts.primary, std::string("11 000"));
        QCOMPARE(texts.frequency, std::string("50.5"));
        QCOMPARE(texts.connection, std::string("Delta-Star"));

        window.show();
        h.Box("txtFrequency")->setText("51.5");
        h.Button("cmdNext")->click();
        QCOMPARE(h.record.frequency, std::int16_t{52});
    }

    void engineFailureShowsItsMessageThenRefuses() {
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        h.Fill("100", "11000", "433", "0");
        h.Button("cmdNext")->click();
        QCOMPARE(h.boxes.ShownBoxes().size(), 2u);
        QVERIFY(h.boxes.ShownBoxes()[0].text.startsWith("Error: "));
        QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Critical);
        QCOMPARE(h.boxes.ShownBoxes()[0].title, QString("Kestrava"));
        QCOMPARE(h.boxes.ShownBoxes()[1].text, QString("Please enter valid data."));
        QVERIFY(h.boxes.ShownBoxes()[1].icon == MessageIcon::Exclamation);
        QVERIFY(h.record.engineError);
        QCOMPARE(ready.count(), 0);
        QVERIFY(window.isVisible());
        QCOMPARE(h.Box("txtFrequency")->text(), QString("0"));
    }

    void inconsistentDesignWarnsAndStillGoesOn_data() {
        QTest::addColumn<QString>("primary");
        QTest::addColumn<bool>("warned");
        QTest::newRow("fits") << "11000" << false;
        QTest::newRow("H.V. windings overlap") << "6600" << true;
    }
    void inconsistentDesignWarnsAndStillGoesOn() {
        QFETCH(QString, primary);
        QFETCH(bool, warned);
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        h.Fill("100", primary.toUtf8(), "433", "50", "0");
        h.Button("cmdNext")->click();
        QCOMPARE(ready.count(), 1);
        QCOMPARE(h.record.hvCoilClearance < 0, warned);
        if (warned) {
            QCOMPARE(h.boxes.ShownBoxes().size(), 1u);
            QCOMPARE(h.boxes.ShownBoxes()[0].text,
                     QString("Warning: \r\nThe entered values are not consistent!\r\nStill you can "
                             "save the design sheet, but the transformer will look absurd after "
                             "designing.\r\nYou can also enter new parameters by coming back to "
                             "this form."));
            QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Information);
        } else {
            QVERIFY(h.boxes.ShownBoxes().empty());
            QVERIFY(h.record.lvEndClearance >= 0 && h.record.hvEndClearance >= 0);
        }
    }

    void enterPressesTheDefaultButton() {
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QLineEdit* primary = h.Box("txtPrmVolt");
        primary->setFocus();
        QTRY_VERIFY(primary->hasFocus());
        QCOMPARE(window.DefaultPushButton(), h.Button("cmdExit"));
        QTest::keyClick(primary, Qt::Key_Return);
        QCOMPARE(h.ShownTexts(), QStringList{"Do you want to exit ?"});

        h.boxes.Clear();
        QTest::keyClick(primary, Qt::Key_1);
        QCOMPARE(window.DefaultPushButton(), h.Button("cmdNext"));
        QVERIFY(h.Button("cmdNext")->isDefault());
        QVERIFY(!h.Button("cmdExit")->isDefault());
        QTest::keyClick(primary, Qt::Key_Return);
        QCOMPARE(h.ShownTexts(), QStringList{"Please enter valid data."});

        QTest::keyClick(primary, Qt::Key_Backspace);
        QCOMPARE(window.DefaultPushButton(), h.Button("cmdExit"));
    }

    void keysOnAFocusedButtonPressThatButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("Return on Back") << "cmdBack" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter on Back") << "cmdBack" << int(Qt::Key_Enter);
        QTest::newRow("Space on Back") << "cmdBack" << int(Qt::Key_Space);
        QTest::newRow("Return on Exit") << "cmdExit" << int(Qt::Key_Return);
        QTest::newRow("Return on Next") << "cmdNext" << int(Qt::Key_Return);
    }
    void keysOnAFocusedButtonPressThatButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        h.Fill("100", "11000", "433", "50", "0");
        QCOMPARE(window.DefaultPushButton(), h.Button("cmdNext"));
        QSignalSpy back(&window, &TransformerCalcWindow::backRequested);
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        QPushButton* focused = h.Button(button.toLatin1().constData());
        focused->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(focused->hasFocus());
        QTest::keyClick(focused, Qt::Key(key));
        QCOMPARE(back.count(), button == "cmdBack" ? 1 : 0);
        QCOMPARE(ready.count(), button == "cmdNext" ? 1 : 0);
        QCOMPARE(h.ShownTexts(),
                 button == "cmdExit" ? QStringList{"Do you want to exit ?"} : QStringList{});
    }

    void nextRefusesANonNumericBoxHoweverItIsReached_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("text");
        QTest::newRow("Enter in kVA") << "txtKVARating"
                                      << "txtKVARating"
                                      << "11,000";
        QTest::newRow("Enter in secondary") << "txtSecondVolt"
                                            << "txtSecondVolt"
                                            << "abc";
        QTest::newRow("Enter elsewhere") << "txtTapping"
                                         << "txtPrmVolt"
                                         << "11kV";
    }
    void nextRefusesANonNumericBoxHoweverItIsReached() {
        QFETCH(QString, focused);
        QFETCH(QString, bad);
        QFETCH(QString, text);
        Harness h;
        TransformerCalcWindow& window = h.OpenShown();
        QSignalSpy ready(&window, &TransformerCalcWindow::designReady);
        h.Fill("100", "11000", "433", "50", "0");
        QLineEdit* focusedBox = h.Box(focused.toLatin1().constData());
        focusedBox->setFocus();
        QTRY_VERIFY(focusedBox->hasFocus());
        h.Box(bad.toLatin1().constData())->setText(text);
        QTest::keyClick(focusedBox, Qt::Key_Return);
        QCOMPARE(h.ShownTexts(), QStringList{"Enter numerical value!"});
        QVERIFY(h.boxes.ShownBoxes()[0].icon == MessageIcon::Exclamation);
        QCOMPARE(ready.count(), 0);
        QCOMPARE(h.record.kvaRating, 0.0);
        QCOMPARE(h.Box(bad.toLatin1().constData())->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), bad);
    }

    void wheelActsOnlyOnAFocusedList() {
        Harness h;
        h.Add("/sheets/A.txt", {"100", "11000", "433", "50", "Delta-Star", "5"});
        h.Add("/sheets/B.txt", {"200", "6600", "415", "60", "Star-Delta", "5"});
        h.OpenShown();
        QLineEdit* kva = h.Box("txtKVARating");
        kva->setFocus();
        QTRY_VERIFY(kva->hasFocus());
        kva->setText("777");
        for (const char* name : {"cboFile", "cboConnType"}) {
            WheelDown(h.List(name));
            QCOMPARE(h.List(name)->currentIndex(), name == QString("cboFile") ? 0 : 1);
        }
        QCOMPARE(kva->text(), QString("777"));

        h.List("cboFile")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(h.List("cboFile")->hasFocus());
        WheelDown(h.List("cboFile"));
        QCOMPARE(h.List("cboFile")->currentIndex(), 1);
        QCOMPARE(kva->text(), QString("100"));
    }

    void focusSelectsTheWholeText() {
        Harness h;
        h.OpenShown();
        h.Box("txtFrequency")->setFocus();
        QTRY_COMPARE(h.Box("txtFrequency")->selectedText(), QString("50"));
    }
};

int RunTransformerCalcWindowTests(int argc, char** argv) {
    TransformerCalcWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "transformer_calc_window_test.moc"
