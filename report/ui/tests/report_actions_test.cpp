#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "cad/tests/edge_case_model.h"
#include "report/report_files.h"
#include "report/ui/report_actions.h"
#include "ui/testing/scripted_message_boxes.h"

namespace kestrava::report::ui {

using kestrava::ui::MessageAnswer;
using kestrava::ui::MessageButtons;
using kestrava::ui::MessageIcon;
using kestrava::ui::testing::ScriptedMessageBoxes;

class ReportActionsTest : public QObject {
    Q_OBJECT

  private:
    // A window with the two buttons wired to the edge-case design; the dialog answers 'answer'.
    struct Fixture {
        QWidget window;
        QPushButton* report = new QPushButton(QStringLiteral("Report..."), &window);
        QPushButton* drawing = new QPushButton(QStringLiteral("Drawing..."), &window);
        ScriptedMessageBoxes boxes;
        QString suggested;
        QString filter;
        QStringList opened;
        ReportActions actions;

        Fixture(const QString& answer, bool hasDesign = true)
            : actions(window, *report, *drawing, boxes, QStringLiteral("Kestrava"),
                      {[hasDesign]() -> std::optional<ReportDesign> {
                           if (!hasDesign) return std::nullopt;
                           return MakeReportDesign(
                               cad::testing::EdgeCaseDesign(),
                               {.primary = "11000", .secondary = "433", .connection = "Delta-Star"},
                               {}, nullptr, {}, RulesOrigin::Fixed);
                       },
                       [] { return QStringLiteral("/sheets/Design Sheet"); }}) {
            actions.SetSavePathChooser(
                [this, answer](QWidget*, const QString& path, const QString& fileType) {
                    suggested = path;
                    filter = fileType;
                    return answer;
                });
            actions.SetFileOpener([this](const QString& path) { opened << path; });
        }
    };

    static QByteArray Head(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
    }

  private slots:
    void SavesItsFileAndOpensItOnlyOnYes_data() {
        QTest::addColumn<bool>("drawing");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("yes");
        QTest::newRow("report, opened") << false << "pdf" << QByteArray("%PDF-") << true;
        QTest::newRow("report, left closed") << false << "pdf" << QByteArray("%PDF-") << false;
        QTest::newRow("drawing, opened") << true << "svg" << QByteArray("<?xml") << true;
        QTest::newRow("drawing, left closed") << true << "svg" << QByteArray("<?xml") << false;
    }
    void SavesItsFileAndOpensItOnlyOnYes() {
        QFETCH(bool, drawing);
        QFETCH(QString, extension);
        QFETCH(QByteArray, head);
        QFETCH(bool, yes);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("saved.") + extension);
        Fixture f(path);
        f.boxes.Answer(yes ? MessageAnswer::Yes : MessageAnswer::No);
        QTest::mouseClick(drawing ? f.drawing : f.report, Qt::LeftButton);

        QCOMPARE(f.suggested, QStringLiteral("/sheets/Design Sheet.") + extension);
        QVERIFY(f.filter.contains(QStringLiteral("*.") + extension));
        QCOMPARE(Head(path), head);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"saved." + extension});
        QCOMPARE(f.boxes.ShownBoxes().size(), std::size_t{1});
        QCOMPARE(f.boxes.ShownBoxes()[0].buttons, MessageButtons::YesNo);
        QVERIFY(f.boxes.ShownBoxes()[0].text.contains(path));
        QCOMPARE(f.opened, yes ? QStringList{path} : QStringList{});
    }

    void CancelledDialogOrNoDesignWritesNothing() {
        Fixture cancelled{QString()};
        QTest::mouseClick(cancelled.report, Qt::LeftButton);
        QVERIFY(cancelled.boxes.ShownBoxes().empty());

        QTemporaryDir folder;
        Fixture empty(folder.filePath(QStringLiteral("r.pdf")), false);
        QTest::mouseClick(empty.report, Qt::LeftButton);
        QVERIFY(empty.suggested.isEmpty());  // no dialog without a design
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void UnwritablePathIsReportedAndNothingOpens() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/r.pdf"));
        Fixture f(path);
        QTest::mouseClick(f.report, Qt::LeftButton);
        QCOMPARE(f.boxes.ShownBoxes().size(), std::size_t{1});
        QCOMPARE(f.boxes.ShownBoxes()[0].icon, MessageIcon::Critical);
        QVERIFY(f.boxes.ShownBoxes()[0].text.contains(path));
        QVERIFY(f.opened.isEmpty());
    }
};

}  // namespace kestrava::report::ui

QTEST_MAIN(kestrava::report::ui::ReportActionsTest)
#include "report_actions_test.moc"
