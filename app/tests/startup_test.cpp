#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/option_window.h"
#include "app/pics/artwork.h"
#include "app/splash_window.h"
#include "app/startup_procedure.h"
#include "app/startup_progress.h"
#include "ui/testing/scripted_message_boxes.h"

using namespace kestrava;

namespace {

// Records everything start-up reports, in order.
class RecordingProgress final : public StartupProgress {
  public:
    void SetMaximum(int maximum) override { events << QString("max %1").arg(maximum); }
    void SetValue(int value) override {
        value_ = value;
        events << QString("value %1").arg(value);
    }
    int Value() const override { return value_; }
    void ShowStep(const QString& text) override { events << text; }
    void ReportMissingPicture(const QString& path) override { missing << path; }

    QStringList events;
    QStringList missing;

  private:
    int value_ = 2;
};

const QStringList kPictureFiles = {"ButtBack.bmp", "AllPic.jpg", "Trans.jpg",
                                   "Motor.jpg",    "Gen.jpg",    "Others.jpg"};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void stepsAndProgressInOrder() {
        QTemporaryDir install;
        QVERIFY(QDir(install.path()).mkpath("Pics"));
        for (const QString& file : kPictureFiles)
            QVERIFY(DrawLogo(QSize(16, 16)).save(install.filePath("Pics/" + file)));
        ui::testing::ScriptedMessageBoxes boxes;
        std::unique_ptr<OptionWindow> option;
        DesignRecord record;
        record.engineError = true;
        record.tableFound = true;
        RecordingProgress progress;
        OptionWindow& shown = RunStartup(
            progress, record,
            [&]() -> OptionWindow& {
                progress.events << "create option window";
                option = std::make_unique<OptionWindow>(boxes, "Kestrava");
                return *option;
            },
            install.path());

        const QStringList expected = {"max 100",
                                      "value 10",
                                      "Setting directory-path...",
                                      "Loading error protection variables...",
                                      "value 20",
                                      "value 25",
                                      "create option window",
                                      "Loading main Option window...",
                                      "value 40",
                                      "Loading pictures...",
                                      "value 55",
                                      "Loading pictures...",
                                      "value 70",
                                      "Loading Transformer files...",
                                      "value 85",
                                      "Loading Motor files...",
                                      "value 90",
                                      "Loading Generator files...",
                                      "value 100",
                                      "Loading other files..."};
        QCOMPARE(progress.events, expected);
        QVERIFY(progress.missing.isEmpty());
        QCOMPARE(&shown, option.get());
        QVERIFY(!record.engineError);
        QVERIFY(!record.tableFound);
        for (OptionPicture picture :
             {OptionPicture::ButtBack, OptionPicture::AllTime, OptionPicture::Transformer,
              OptionPicture::Motor, OptionPicture::Generator, OptionPicture::Others})
            QVERIFY(!option->Picture(picture)->pixmap().isNull());
        QVERIFY(option->Picture(OptionPicture::AllTime)->isVisibleTo(option.get()));
        QVERIFY(!option->Picture(OptionPicture::Motor)->isVisibleTo(option.get()));
        QVERIFY(!option->isVisible());
    }

    void missingPicturesAreReportedAndStartupCompletes() {
        QTemporaryDir install;
        QVERIFY(QDir(install.path()).mkpath("Pics"));
        QVERIFY(DrawLogo(QSize(16, 16)).save(install.filePath("Pics/Trans.jpg")));
        ui::testing::ScriptedMessageBoxes boxes;
        std::unique_ptr<OptionWindow> option;
        DesignRecord record;
        RecordingProgress progress;
        RunStartup(
            progress, record,
            [&]() -> OptionWindow& {
                option = std::make_unique<OptionWindow>(boxes, "Kestrava");
                return *option;
            },
            install.path());
        QCOMPARE(progress.Value(), 100);
        QCOMPARE(progress.missing.size(), 5);
        QVERIFY(progress.missing.contains(install.filePath("Pics/Others.jpg")));
        QVERIFY(!progress.missing.contains(install.filePath("Pics/Trans.jpg")));
        QVERIFY(!option->Picture(OptionPicture::Transformer)->pixmap().isNull());
        QVERIFY(option->Picture(OptionPicture::Motor)->pixmap().isNull());
    }

    void splashPlacesItsProgressBarWhenShown() {
        SplashWindow splash;
        QCOMPARE(splash.findChild<QLineEdit*>("txtLoading")->text(),
                 QString("Loading variables and files..."));
        QCOMPARE(splash.findChild<QLabel*>("label")->text(),
                 QString("The new age of drawing Electrical Machines."));
        QCOMPARE(splash.findChild<QLabel*>("lblVersion")->text(),
                 QString("Version " KESTRAVA_PROJECT_VERSION));
        splash.show();
        auto* pb = splash.findChild<QProgressBar*>("PB");
        QCOMPARE(pb->minimum(), 1);
        QCOMPARE(pb->maximum(), 200);
        QCOMPARE(pb->value(), 2);
        QCOMPARE(pb->geometry(), QRect(8, 240, 435, 17));  // 120, 3600, 6525, 255 twips
        splash.SetMaximum(100);
        splash.SetValue(splash.Value() + 8);
        splash.ShowStep("Loading pictures...");
        QCOMPARE(pb->value(), 10);
        QCOMPARE(splash.findChild<QLineEdit*>("txtLoading")->text(),
                 QString("Loading pictures..."));
    }
};

int RunStartupTests(int argc, char** argv) {
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
