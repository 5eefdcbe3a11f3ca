#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/kestrava_application.h"
#include "app/option_window.h"
#include "app/transformer_calc_window.h"
#include "assess/ui/results_window.h"
#include "cad/ui/drawing_window.h"
#include "engine/design_transformer.h"
#include "records/param_record_store.h"
#include "search/ui/design_search_window.h"
#include "sheet/ui/design_sheet_window.h"
#include "ui/testing/modal_answer.h"
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

// From the main option window, enters 100 kVA, 11000 V / 433 V and presses Next.
TransformerCalcWindow* DesignTheWorkedRating(KestravaApplication& app) {
    Child<QPushButton>(app.Options(), "cmdTransformer")->click();
    TransformerCalcWindow* parameters = app.Parameters();
    Child<QLineEdit>(parameters, "txtPrmVolt")->setText("11000");
    Child<QLineEdit>(parameters, "txtKVARating")->setText("100");
    Child<QLineEdit>(parameters, "txtSecondVolt")->setText("433");
    Child<QPushButton>(parameters, "cmdNext")->click();
    return parameters;
}

// Starts the program and leads it, as the user would, to the window named 'name'.
QWidget* OpenWindow(KestravaApplication& app, const QString& name) {
    app.Start();
    if (name == "frmOption") return app.Options();
    Child<QPushButton>(app.Options(), "cmdTransformer")->click();
    if (name == "frmTransformerCalc") return app.Parameters();
    DesignTheWorkedRating(app);
    if (name == "frmDsgnSheet") return app.DesignSheet();
    Child<QPushButton>(app.DesignSheet(), "cmdVwTrans")->click();
    return app.Drawing();
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
        QVERIFY(app.Options()->isVisible());
        QCOMPARE(app.Options()->windowTitle(), QString("Kestrava: Choose option..."));
        QVERIFY(app.Parameters() == nullptr);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(window->objectName() != "frmSplash");
    }

    void aboutIsModalOverTheOptionWindow() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        QString caption;
        QWidget* owner = nullptr;
        ui::testing::ModalAnswer answer([&](QWidget* about) {
            caption = about->windowTitle();
            owner = about->parentWidget();
            about->close();
        });
        Child<QPushButton>(app.Options(), "cmdAbout")->click();
        QVERIFY(answer.Answered());
        QCOMPARE(caption, QString("About Kestrava"));
        QCOMPARE(owner, app.Options());
    }

    void windowsAreCreatedOnceAndKeepTheirFields() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        Child<QPushButton>(app.Options(), "cmdTransformer")->click();
        TransformerCalcWindow* parameters = app.Parameters();
        QVERIFY(parameters != nullptr && parameters->isVisible());
        QVERIFY(!app.Options()->isVisible());
        Child<QLineEdit>(parameters, "txtKVARating")->setText("160");

        Child<QPushButton>(parameters, "cmdBack")->click();
        QVERIFY(app.Options()->isVisible());
        QVERIFY(!parameters->isVisible());
        Child<QPushButton>(app.Options(), "cmdTransformer")->click();
        QCOMPARE(app.Parameters(), parameters);
        QCOMPARE(Child<QLineEdit>(parameters, "txtKVARating")->text(), QString("160"));
    }

    void frameCloseReturnsToOptionsAndTheWindowIsBuiltAnew() {
        Session session;
        auto& [install, boxes, app] = session;
        QSignalSpy quit(&app, &KestravaApplication::quitRequested);
        app.Start();
        Child<QPushButton>(app.Options(), "cmdTransformer")->click();
        Child<QLineEdit>(app.Parameters(), "txtKVARating")->setText("160");
        boxes.Answer(MessageAnswer::Yes);
        app.Parameters()->close();
        QVERIFY(app.Options()->isVisible());
        QVERIFY(app.Parameters() == nullptr);
        QCOMPARE(quit.count(), 0);
        Child<QPushButton>(app.Options(), "cmdTransformer")->click();
        QCOMPARE(Child<QLineEdit>(app.Parameters(), "txtKVARating")->text(), QString());
    }

    void designLeadsToTheSheetAndBackRefillsTheList() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        TransformerCalcWindow* parameters = DesignTheWorkedRating(app);
        QVERIFY(!app.Record().engineError);
        QCOMPARE(app.Record().kvaRating, 100.0);
        QVERIFY(app.DesignSheet() != nullptr && app.DesignSheet()->isVisible());
        QVERIFY(!parameters->isVisible());
        Child<QPushButton>(app.DesignSheet(), "cmdResults")->click();
        QVERIFY(app.Results() != nullptr && app.Results()->isVisible());
        QCOMPARE(app.Results()->Record(), &app.Record());
        QCOMPARE(app.Results()->ShownAssessment().masses.coreYoke, app.Record().yokeWeight);
        for (const char* action : {"cmdReport", "cmdDrawing"}) {
            auto* button = Child<QPushButton>(app.Results(), action);
            QVERIFY(button != nullptr && button->isVisible());
        }

        // A sheet saved meanwhile is listed first when the user comes back.
        const ParamRecordStore store(install.RecordDatabase());
        QVERIFY(
            store.AddParamRecord("/sheets/T1.txt", {"250", "6600", "415", "50", "Star-Star", "5"})
                .has_value());
        Child<QLineEdit>(parameters, "txtKVARating")->setText("999");
        boxes.Answer(MessageAnswer::Yes);
        Child<QPushButton>(app.DesignSheet(), "cmdCancel")->click();
        QVERIFY(parameters->isVisible());
        QVERIFY(!app.Results()->isVisible());
        QCOMPARE(app.Parameters(), parameters);
        QCOMPARE(Child<QComboBox>(parameters, "cboFile")->itemText(0), QString("T1.txt"));
        QCOMPARE(Child<QLineEdit>(parameters, "txtKVARating")->text(), QString("250"));
    }

    // The search window opens on the current rating, and the design it hands on becomes the
    // current one: the design sheet and Results windows show it.
    void searchedDesignBecomesTheCurrentDesign() {
        Session session;
        auto& [install, boxes, app] = session;
        app.Start();
        DesignTheWorkedRating(app);
        Child<QPushButton>(app.DesignSheet(), "cmdResults")->click();
        Child<QPushButton>(app.Results(), "cmdDesignSearch")->click();
        search::ui::DesignSearchWindow* window = app.DesignSearch();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(Child<QDoubleSpinBox>(window, "primary")->value(), 11000.0);
        QCOMPARE(Child<QDoubleSpinBox>(window, "secondary")->value(), 433.0);

        DesignRules rules = FixedDesignRules(100.0);
        rules.windowRatio = 3.0;
        SqliteConductorTable table(install.dir.filePath("Database/Appr_CSA.sqlite").toStdString());
        const DesignResult chosen = DesignTransformer(
            {100, 11000, 433, 50, ConnectionType::DeltaStar, 5}, table, rules, LegacySteel());
        QVERIFY(chosen.has_value());
        emit window->designChosen(chosen.value(), rules);
        QCOMPARE(app.Record().windowHeight, chosen.value().windowHeight);
        QVERIFY(app.DesignSheet()->isVisible());
        QCOMPARE(app.Results()->Record(), &app.Record());
        QCOMPARE(app.Results()->ShownAssessment().masses.coreYoke, app.Record().yokeWeight);
    }

    // Every exit button and every frame close of the four flow windows asks the one question.
    // Yes ends the program, except that closing the parameter window returns to the main one.
    void exitQuestion_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("exitButton");  // empty: the window's frame is closed
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("quits");
        QTest::addColumn<bool>("windowStays");
        QTest::addColumn<bool>("optionShown");
        const QString confirm = "Confirm Exit...";
        // clang-format off
        QTest::newRow("main, Exit, Yes")        << "frmOption" << "Command1" << true << confirm << 1 << true << true;
        QTest::newRow("main, Exit, No")         << "frmOption" << "Command1" << false << confirm << 0 << true << true;
        QTest::newRow("main, frame, Yes")       << "frmOption" << "" << true << confirm << 1 << true << true;
        QTest::newRow("main, frame, No")        << "frmOption" << "" << false << confirm << 0 << true << true;
        QTest::newRow("parameters, Exit, Yes")  << "frmTransformerCalc" << "cmdExit" << true << confirm << 1 << true << false;
        QTest::newRow("parameters, Exit, No")   << "frmTransformerCalc" << "cmdExit" << false << confirm << 0 << true << false;
        QTest::newRow("parameters, frame, Yes") << "frmTransformerCalc" << "" << true << confirm << 0 << false << true;
        QTest::newRow("parameters, frame, No")  << "frmTransformerCalc" << "" << false << confirm << 0 << true << false;
        QTest::newRow("sheet, Exit, Yes")       << "frmDsgnSheet" << "cmdExit" << true << confirm << 1 << true << false;
        QTest::newRow("sheet, Exit, No")        << "frmDsgnSheet" << "cmdExit" << false << confirm << 0 << true << false;
        QTest::newRow("sheet, frame, Yes")      << "frmDsgnSheet" << "" << true << confirm << 1 << false << false;
        QTest::newRow("sheet, frame, No")       << "frmDsgnSheet" << "" << false << confirm << 0 << true << false;
        QTest::newRow("drawing, Exit, Yes")     << "frmDraw" << "cmdExit" << true << "Kestrava" << 1 << true << false;
        QTest::newRow("drawing, Exit, No")      << "frmDraw" << "cmdExit" << false << "Kestrava" << 0 << true << false;
        QTest::newRow("drawing, frame, Yes")    << "frmDraw" << "" << true << confirm << 1 << false << false;
        QTest::newRow("drawing, frame, No")     << "frmDraw" << "" << false << confirm << 0 << true << false;
        // clang-format on
    }
    void exitQuestion() {
        QFETCH(QString, window);
        QFETCH(QString, exitButton);
        QFETCH(bool, yes);
        QFETCH(QString, title);
        QFETCH(int, quits);
        QFETCH(bool, windowStays);
        QFETCH(bool, optionShown);
        Session session;
        auto& [install, boxes, app] = session;
        QSignalSpy quit(&app, &KestravaApplication::quitRequested);
        const QPointer<QWidget> asked = OpenWindow(app, window);
        QVERIFY(asked != nullptr && asked->isVisible());
        QCOMPARE(asked->objectName(), window);
        boxes.Clear();
        boxes.Answer(yes ? MessageAnswer::Yes : MessageAnswer::No);
        if (exitButton.isEmpty())
            asked->close();
        else
            Child<QPushButton>(asked, exitButton.toLatin1().constData())->click();
        QCOMPARE(boxes.ShownBoxes().size(), 1u);
        QCOMPARE(boxes.ShownBoxes()[0].text, QString("Do you want to exit ?"));
        QCOMPARE(boxes.ShownBoxes()[0].title, title);
        QVERIFY(boxes.ShownBoxes()[0].icon == ui::MessageIcon::Question);
        QVERIFY(boxes.ShownBoxes()[0].buttons == ui::MessageButtons::YesNo);
        QCOMPARE(quit.count(), quits);
        QCOMPARE(!asked.isNull() && asked->isVisible(), windowStays);
        QCOMPARE(app.Options()->isVisible(), optionShown);
    }
};

QTEST_MAIN(KestravaApplicationTest)
#include "kestrava_application_test.moc"
