// Grabs the design search window after a whole, refined search of 160 kVA, 11000 V / 433 V (where
// the fixed rules find no strip) into a PNG for the documentation; run under xvfb-run.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <cstdio>

#include "records/conductor_table_database.h"
#include "search/ui/design_search_window.h"
#include "ui/testing/save_screenshot.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: design_search_screenshots <output folder>\n");
        return 2;
    }
    using namespace kestrava;
    LoadedCoreSteels steels = LoadCoreSteels(CoreSteelsFile(KESTRAVA_INSTALL_DIR));
    std::vector<assess::Regime> regimes;
    for (const char* name : {"eu-2014-548-tier1", "eu-2014-548-tier2", "us-doe-2016"}) {
        auto read = assess::ReadRegimeFile(std::string(KESTRAVA_INSTALL_DIR) + "/Standards/" +
                                           name + ".json");
        if (read.has_value()) regimes.push_back(std::move(read).value());
    }
    search::ui::DesignSearchWindow window(LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE).value(),
                                          steels.value(), regimes);
    window.SetRating({160.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5});
    window.findChild<QCheckBox*>(QStringLiteral("refineBest"))->setChecked(true);
    window.resize(1400, 900);
    window.show();
    QEventLoop loop;
    QObject::connect(&window, &search::ui::DesignSearchWindow::searchFinished, &loop,
                     &QEventLoop::quit);
    window.Run();
    loop.exec();
    const QString file = QDir(QString::fromLocal8Bit(argv[1])).filePath("design-search-window.png");
    return ui::testing::SaveScreenshot(window, file) ? 0 : 1;
}
