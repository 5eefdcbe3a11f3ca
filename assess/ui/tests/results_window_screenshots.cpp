// Grabs the Results window in each of its states into PNG files for the documentation: run
// under a real X server (xvfb-run) so that fonts and the style look as on a desktop.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>

#include "assess/ui/results_window.h"
#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"
#include "ui/testing/save_screenshot.h"
#include "ui/testing/scripted_message_boxes.h"

namespace {

using kestrava::DesignRecord;

// Limits a user might add from a purchase contract; every 50 Hz design up to 630 kVA.
constexpr const char* kExampleRegime = R"({"name":"Example purchase limits",
  "source":"an example of limits a user adds to Standards/",
  "scope":{"description":"50 Hz designs from 25 to 630 kVA","frequencies":[50]},
  "rows":[{"kva":25,"maxNoLoadLossW":300,"maxLoadLossW":1200},
          {"kva":630,"maxNoLoadLossW":2000,"maxLoadLossW":12000}]})";

DesignRecord Design(const kestrava::DesignInputs& inputs) {
    kestrava::InMemoryConductorTable table(
        kestrava::LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE).value());
    return kestrava::DesignTransformer(inputs, table).value();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: results_window_screenshots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir folder;
    const QString standards = folder.filePath(QStringLiteral("Standards"));
    std::filesystem::copy(KESTRAVA_STANDARDS_DIR, standards.toStdString());
    QFile example(standards + QStringLiteral("/example-purchase.json"));
    if (!example.open(QIODevice::WriteOnly) || example.write(kExampleRegime) < 0) return 1;
    example.close();

    QSettings store(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    kestrava::ui::testing::ScriptedMessageBoxes boxes;
    kestrava::assess::ui::ResultsWindow window(boxes, store, standards, QStringLiteral("Kestrava"));
    auto* regime = window.findChild<QComboBox*>(QStringLiteral("regime"));

    const DesignRecord consistent =
        Design({25, 11000, 415, 50, kestrava::ConnectionType::DeltaStar, 0});
    const DesignRecord worked =
        Design({100, 11000, 433, 50, kestrava::ConnectionType::DeltaStar, 5});
    window.ShowDesign(consistent);
    bool saved = kestrava::ui::testing::SaveScreenshot(
        window, out.filePath(QStringLiteral("results-consistent.png")));
    window.ShowDesign(worked);
    saved = kestrava::ui::testing::SaveScreenshot(
                window, out.filePath(QStringLiteral("results-inconsistent.png"))) &&
            saved;
    const struct {
        const DesignRecord& design;
        const char* regime;
        const char* file;
    } verdicts[] = {{consistent, "Example purchase limits", "results-pass.png"},
                    {worked, "EU 548/2014 Tier 1", "results-fail.png"},
                    {worked, "US DOE 2016", "results-not-covered.png"}};
    for (const auto& shot : verdicts) {
        regime->setCurrentIndex(regime->findText(QLatin1String(shot.regime)));
        window.ShowDesign(shot.design);
        saved =
            kestrava::ui::testing::SaveScreenshot(window, out.filePath(QLatin1String(shot.file))) &&
            saved;
    }
    return saved ? 0 : 1;
}
