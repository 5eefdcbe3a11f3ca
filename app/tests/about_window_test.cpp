#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/about_window.h"
#include "app/app_identity.h"
#include "ui/testing/scripted_message_boxes.h"

using namespace kestrava;
using kestrava::ui::testing::ScriptedMessageBoxes;

namespace {

// A PATH with the given programs on it, and a record of what was started.
struct FakeDesktop {
    QStringList installed;
    bool startSucceeds = true;
    QStringList started;

    SystemInfoTools Tools() {
        return {[this](const QString& name) {
                    return installed.contains(name) ? QStringLiteral("/usr/bin/") + name
                                                    : QString();
                },
                [this](const QString& path) {
                    started << path;
                    return startSucceeds;
                }};
    }
};

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void showsCaptionVersionAndCredits() {
        ScriptedMessageBoxes boxes;
        FakeDesktop desktop;
        AboutWindow about(boxes, AppTitle(), desktop.Tools());
        QCOMPARE(about.windowTitle(), QString("About Kestrava"));
        // The project's version as the build states it, not as the program spells it.
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(),
                 QString("Version " KESTRAVA_PROJECT_VERSION));
        const QStringList lines = CreditsText().split("\r\n");
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QString("Credits : "));
        QVERIFY(lines[2].startsWith("    ") && lines[2].trimmed().size() > 0);
        QVERIFY(lines[3].startsWith("    ") && lines[3].trimmed().size() > 0);
        QCOMPARE(lines[4], QString());
        QCOMPARE(lines[5], QString());
        QCOMPARE(lines[6], QString("Special thanks to"));
        QVERIFY(lines[7].startsWith("    ") && lines[8].startsWith("    "));
        QVERIFY(!CreditsText().contains(QRegularExpression("[^\r]\n")));
        auto* credits = about.findChild<QPlainTextEdit*>("txtCredits");
        QVERIFY(credits->isReadOnly());
        QCOMPARE(credits->toPlainText().split('\n').size(), 9);
    }

    void okAndEscapeCloseTheWindow() {
        ScriptedMessageBoxes boxes;
        FakeDesktop desktop;
        AboutWindow about(boxes, AppTitle(), desktop.Tools());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* ok = about.findChild<QPushButton*>("cmdOK");
        QVERIFY(ok->isDefault());
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void systemInfoStartsTheFirstProgramFound() {
        ScriptedMessageBoxes boxes;
        FakeDesktop desktop;
        desktop.installed = {"xfce4-taskmanager", "gnome-system-monitor"};
        AboutWindow about(boxes, AppTitle(), desktop.Tools());
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(desktop.started, QStringList{"/usr/bin/gnome-system-monitor"});
        QVERIFY(boxes.ShownBoxes().empty());
    }

    void systemInfoMissingOrFailingIsReported_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("startSucceeds");
        QTest::newRow("none installed") << QStringList{} << true;
        QTest::newRow("start fails") << QStringList{"hardinfo"} << false;
    }
    void systemInfoMissingOrFailingIsReported() {
        QFETCH(QStringList, installed);
        QFETCH(bool, startSucceeds);
        ScriptedMessageBoxes boxes;
        FakeDesktop desktop;
        desktop.installed = installed;
        desktop.startSucceeds = startSucceeds;
        AboutWindow about(boxes, AppTitle(), desktop.Tools());
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(boxes.ShownBoxes().size(), 1u);
        QCOMPARE(boxes.ShownBoxes()[0].text,
                 QString("System Information Is Unavailable At This Time"));
        QVERIFY(boxes.ShownBoxes()[0].icon == ui::MessageIcon::None);
        QVERIFY(boxes.ShownBoxes()[0].buttons == ui::MessageButtons::Ok);
        QCOMPARE(boxes.ShownBoxes()[0].title, QString());
    }
};

int RunAboutWindowTests(int argc, char** argv) {
    AboutWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "about_window_test.moc"
