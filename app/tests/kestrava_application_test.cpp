#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/kestrava_application.h"
#include "app/option_window.h"
#include "app/transformer_calc_window.h"
#include "assess/ui/results_window.h"
#include "engine/design_transformer.h"
#include "records/param_record_store.h"
#include "search/ui/design_search_window.h"
#include "sheet/ui/design_sheet_window.h"
#include "ui/testing/scripted_message_boxes.h"

using namespace kestrava;
using kestrava::ui::MessageAnswer;
using kestrava::ui::testing::ScriptedMessageBoxes;

namespace {

// An installation folder with the two databases and no pictures.
struct InstallFolder {
    InstallFolder() {
        QDir(dir.path()).mkpath("Database");
        (void)CreateParamRecordDatabase(RecordDatabase());
        QFile::copy(KESTRAVA_CONDUCTOR_DATABASE, dir.filePath("Database/Appr_CSA.sqlite"));
    }
    std::filesystem::path RecordDatabase() const {
        return dir.filePath("Database/TransValAsgn.sqlite").toStdString();
    }
    QTemporaryDir dir;
};

SystemInfoTools NoSystemInfo() {
    return {[](const QString&) { return QString(); }, [](const QString&) { return false; }};
}

// A program on its own installation folder, answering message boxes from a script; not started.
struct Session {
    InstallFolder install;
    ScriptedMessageBoxes boxes;
    KestravaApplication app{boxes, install.dir.path(), NoSystemInfo()};
};

template <class T>
T* Child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

class KestravaApplicationTest : public QObject {
    Q_OBJECT
  private slots:
    void startupShowsTheOptionWindow() {
        Session session;
        auto& [install, boxes, app] = session;
        QSignalSpy shown(&app, &KestravaApplication::optionWindowShown);
        app.Start();
        QCOMPARE(shown.count(), 1);
        QVERIFY(app.optionWindow()->isVisible());
        QCOMPARE(app.optionWindow()->windowTitle(), QString("Kestrava: Choose option..."));
        QVERIFY(app.transformerWindow() == nullptr);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(window->objectName() != "frmSplash");
    }

    void aboutIsModalOverTheOptionWindow() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        QString caption;
        QWidget* owner = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about != nullptr);
            caption = about->windowTitle();
            owner = about->parentWidget();
            about->close();
        });
        Child<QPushButton>(app.optionWindow(), "cmdAbout")->click();
        QCOMPARE(caption, QString("About Kestrava"));
        QCOMPARE(owner, app.optionWindow());
    }

    void windowsAreCreatedOnceAndKeepTheirFields() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        Child<QPushButton>(app.optionWindow(), "cmdTransformer")->click();
        TransformerCalcWindow* parameters = app.transformerWindow();
        QVERIFY(parameters != nullptr && parameters->isVisible());
        QVERIFY(!app.optionWindow()->isVisible());
        Child<QLineEdit>(parameters, "txtKVARating")->setText("160");

        Child<QPushButton>(parameters, "cmdBack")->click();
        QVERIFY(app.optionWindow()->isVisible());
        QVERIFY(!parameters->isVisible());
        Child<QPushButton>(app.optionWindow(), "cmdTransformer")->click();
        QCOMPARE(app.transformerWindow(), parameters);
        QCOMPARE(Child<QLineEdit>(parameters, "txtKVARating")->text(), QString("160"));
    }

    void frameCloseReturnsToOptionsAndTheWindowIsBuiltAnew() {
        Session session;
        auto& [install, boxes, app] = session;
        QSignalSpy quit(&app, &KestravaApplication::quitRequested);
        app.Start();
        Child<QPushButton>(app.optionWindow(), "cmdTransformer")->click();
        Child<QLineEdit>(app.transformerWindow(), "txtKVARating")->setText("160");
        boxes.Answer(MessageAnswer::Yes);
        app.transformerWindow()->close();
        QVERIFY(app.optionWindow()->isVisible());
        QVERIFY(app.transformerWindow() == nullptr);
        QCOMPARE(quit.count(), 0);
        Child<QPushButton>(app.optionWindow(), "cmdTransformer")->click();
        QCOMPARE(Child<QLineEdit>(app.transformerWindow(), "txtKVARating")->text(), QString());
    }

    void designLeadsToTheSheetAndBackRefillsTheList() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        Child<QPushButton>(app.optionWindow(), "cmdTransformer")->click();
        TransformerCalcWindow* parameters = app.transformerWindow();
        Child<QLineEdit>(parameters, "txtPrmVolt")->setText("11000");
        Child<QLineEdit>(parameters, "txtKVARating")->setText("100");
        Child<QLineEdit>(parameters, "txtSecondVolt")->setText("433");
        Child<QPushButton>(parameters, "cmdNext")->click();
        QVERIFY(!app.record().engineError);
        QCOMPARE(app.record().kvaRating, 100.0);
        QVERIFY(app.designSheetWindow() != nullptr && app.designSheetWindow()->isVisible());
        QVERIFY(!parameters->isVisible());
        Child<QPushButton>(app.designSheetWindow(), "cmdResults")->click();
        QVERIFY(app.resultsWindow() != nullptr && app.resultsWindow()->isVisible());
        QCOMPARE(app.resultsWindow()->record(), &app.record());
        QCOMPARE(app.resultsWindow()->assessment().masses.coreYoke, app.record().yokeWeight);
        for (const char* action : {"cmdReport", "cmdDrawing"}) {
            auto* button = Child<QPushButton>(app.resultsWindow(), action);
            QVERIFY(button != nullptr && button->isVisible());
        }

        // A sheet saved meanwhile is listed first when the user comes back.
        const ParamRecordStore store(install.RecordDatabase());
        QVERIFY(store
                    .AddParamRecord("/sheets/T1.txt",
                                    {"6600", "250", "415", "50", "5", "", ConnectionType::StarStar})
                    .ok());
        Child<QLineEdit>(parameters, "txtKVARating")->setText("999");
        boxes.Answer(MessageAnswer::Yes);
        Child<QPushButton>(app.designSheetWindow(), "cmdCancel")->click();
        QVERIFY(parameters->isVisible());
        QVERIFY(!app.resultsWindow()->isVisible());
        QCOMPARE(app.transformerWindow(), parameters);
        QCOMPARE(Child<QComboBox>(parameters, "cboFile")->itemText(0), QString("T1.txt"));
        QCOMPARE(Child<QLineEdit>(parameters, "txtKVARating")->text(), QString("250"));
    }

    // The search window opens on the current rating, and the design it hands on becomes the
    // current one: the design sheet and Results windows show it.
    void searchedDesignBecomesTheCurrentDesign() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        Child<QPushButton>(app.optionWindow(), "cmdTransformer")->click();
        TransformerCalcWindow* parameters = app.transformerWindow();
        Child<QLineEdit>(parameters, "txtPrmVolt")->setText("11000");
        Child<QLineEdit>(parameters, "txtKVARating")->setText("100");
        Child<QLineEdit>(parameters, "txtSecondVolt")->setText("433");
        Child<QPushButton>(parameters, "cmdNext")->click();
        Child<QPushButton>(app.designSheetWindow(), "cmdResults")->click();
        Child<QPushButton>(app.resultsWindow(), "cmdDesignSearch")->click();
        search::ui::DesignSearchWindow* window = app.designSearchWindow();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(Child<QDoubleSpinBox>(window, "primary")->value(), 11000.0);
        QCOMPARE(Child<QDoubleSpinBox>(window, "secondary")->value(), 433.0);

        DesignRules rules = FixedDesignRules(100.0);
        rules.windowRatio = 3.0;
        SqliteConductorTable table(install.dir.filePath("Database/Appr_CSA.sqlite").toStdString());
        const DesignResult chosen = DesignTransformer(
            {100, 11000, 433, 50, ConnectionType::DeltaStar, 5}, table, rules, LegacySteel());
        QVERIFY(chosen.ok());
        emit window->designChosen(chosen.value(), rules);
        QCOMPARE(app.record().windowHeight, chosen.value().windowHeight);
        QVERIFY(app.designSheetWindow()->isVisible());
        QCOMPARE(app.resultsWindow()->record(), &app.record());
        QCOMPARE(app.resultsWindow()->assessment().masses.coreYoke, app.record().yokeWeight);
    }

    void exitQuestionsEndTheProgram() {
        Session session;
        auto& [install, boxes, app] = session;
        QSignalSpy quit(&app, &KestravaApplication::quitRequested);
        app.Start();
        boxes.Answer(MessageAnswer::Yes);
        Child<QPushButton>(app.optionWindow(), "Command1")->click();
        QCOMPARE(quit.count(), 1);
        Child<QPushButton>(app.optionWindow(), "cmdTransformer")->click();
        boxes.Answer(MessageAnswer::Yes);
        Child<QPushButton>(app.transformerWindow(), "cmdExit")->click();
        QCOMPARE(quit.count(), 2);
    }
};

QTEST_MAIN(KestravaApplicationTest)
#include "kestrava_application_test.moc"
