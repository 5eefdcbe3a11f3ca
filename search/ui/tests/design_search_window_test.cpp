#include "search/ui/design_search_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <variant>

#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"
#include "search/search_grid_file.h"
#include "search/ui/grid_editor.h"

namespace kestrava::search::ui {
namespace {

const DesignInputs kWorkedRating{100.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5};

SearchGrid CoarseGrid() {
    SearchGrid grid;
    grid.outputConstant = {0.35, 0.75, 0.05};
    grid.currentDensity = {1.6, 3.4, 0.3};
    grid.windowRatio = {2.0, 4.0, 0.5};
    return grid;
}

}  // namespace

class DesignSearchWindowTest : public QObject {
    Q_OBJECT
  private:
    std::vector<ConductorStrip> rows_ = LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE).value();

    std::unique_ptr<DesignSearchWindow> NewWindow() {
        LoadedCoreSteels steels = LoadCoreSteels(CoreSteelsFile(KESTRAVA_INSTALL_DIR));
        auto window = std::make_unique<DesignSearchWindow>(rows_, steels.value(),
                                                           std::vector<assess::Regime>{});
        window->SetRating(kWorkedRating);
        window->show();
        return window;
    }

    static void RunToTheEnd(DesignSearchWindow& window) {
        QSignalSpy finished(&window, &DesignSearchWindow::searchFinished);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdRun")), Qt::LeftButton);
        QVERIFY(finished.wait(120000));
    }

  private slots:
    // The table lists the best designs in order, the chart shows the front and both marks, and
    // both Use buttons hand on the engine's own record of the chosen rules.
    void RunShowsTheBestAndUsesTheChosenDesign() {
        auto window = NewWindow();
        window->SetGrid(CoarseGrid());
        RunToTheEnd(*window);
        const SearchOutcome& outcome = *window->Outcome();
        QVERIFY(outcome.feasible > 2);
        auto* table = window->findChild<QTableWidget*>(QStringLiteral("bestDesigns"));
        QCOMPARE(static_cast<std::size_t>(table->rowCount()), outcome.best.size());
        QCOMPARE(table->item(0, 0)->text(),
                 QString::number(outcome.best.front().score.totalOwning, 'f', 2));
        const auto series =
            window->findChild<QChartView*>(QStringLiteral("paretoChart"))->chart()->series();
        QCOMPARE(series.size(), 3);
        QCOMPARE(static_cast<std::size_t>(static_cast<QScatterSeries*>(series[0])->count()),
                 outcome.front.size());
        QCOMPARE(static_cast<QScatterSeries*>(series[1])->count(), 1);  // best
        QCOMPARE(static_cast<QScatterSeries*>(series[2])->count(), 1);  // fixed rules

        SearchRequest request;
        request.inputs = kWorkedRating;
        request.grid = CoarseGrid();
        QSignalSpy chosen(window.get(), &DesignSearchWindow::designChosen);
        table->selectRow(2);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdUseDesign")),
                          Qt::LeftButton);
        QCOMPARE(chosen.size(), 1);
        const auto record = chosen[0][0].value<DesignRecord>();
        const auto rules = chosen[0][1].value<DesignRules>();
        const DesignRules expected = RulesOf(request, outcome.best[2].point);
        QCOMPARE(rules.outputConstant, expected.outputConstant);
        QCOMPARE(rules.steel, expected.steel);
        QCOMPARE(record.coreFluxDensity, expected.coreFluxDensity);

        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdUseFixed")),
                          Qt::LeftButton);
        QCOMPARE(chosen.size(), 2);
        InMemoryConductorTable table2(rows_);
        const DesignRecord fixed = DesignTransformer(kWorkedRating, table2).value();
        QCOMPARE(chosen[1][0].value<DesignRecord>().totalCoreLoss, fixed.totalCoreLoss);
        QCOMPARE(chosen[1][0].value<DesignRecord>().windowHeight, fixed.windowHeight);
    }

    // Asked to refine, the table leads with the refined best, marked and no worse than the grid's
    // best, the summary counts the extra candidates, the chart marks it, and "Use this design" on
    // it hands on the refined rules; unasked, the table is the grid's best alone.
    void RefineListsAndHandsOnTheRefinedDesign() {
        auto window = NewWindow();
        window->SetGrid(CoarseGrid());
        QSet<int> mnemonics;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const int key = QKeySequence::mnemonic(button->text())[0].toCombined();
            if (key == 0) continue;
            QVERIFY2(!mnemonics.contains(key), qPrintable(button->text()));
            mnemonics.insert(key);
        }
        auto* refine = window->findChild<QCheckBox*>(QStringLiteral("refineBest"));
        QVERIFY(!refine->isChecked());
        refine->setChecked(true);
        RunToTheEnd(*window);
        const SearchCandidate gridBest = window->Outcome()->best.front();
        QVERIFY(window->Refined().has_value());
        const Refinement& refined = *window->Refined();
        auto* table = window->findChild<QTableWidget*>(QStringLiteral("bestDesigns"));
        QCOMPARE(static_cast<std::size_t>(table->rowCount()), window->Outcome()->best.size() + 1);
        QCOMPARE(table->verticalHeaderItem(0)->text(), QStringLiteral("Refined"));
        QCOMPARE(table->item(0, 0)->text(),
                 QString::number(refined.best.score.totalOwning, 'f', 2));
        QCOMPARE(table->item(1, 0)->text(), QString::number(gridBest.score.totalOwning, 'f', 2));
        QVERIFY(refined.best.score.totalOwning < gridBest.score.totalOwning);
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("summary"))
                    ->text()
                    .contains(QStringLiteral("Refinement judged %L1 more candidates")
                                  .arg(refined.evaluated)));
        const auto* bestMark = static_cast<QScatterSeries*>(
            window->findChild<QChartView*>(QStringLiteral("paretoChart"))->chart()->series()[1]);
        QCOMPARE(bestMark->at(0).x(), refined.best.score.material);

        QSignalSpy chosen(window.get(), &DesignSearchWindow::designChosen);
        table->selectRow(0);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdUseDesign")),
                          Qt::LeftButton);
        QCOMPARE(chosen.size(), 1);
        const auto rules = chosen[0][1].value<DesignRules>();
        const DesignRules expected = RulesOf(refined.request, refined.best.point);
        SearchRequest gridRequest;
        gridRequest.inputs = kWorkedRating;
        gridRequest.grid = CoarseGrid();
        QVERIFY(rules == expected);
        QVERIFY(rules != RulesOf(gridRequest, gridBest.point));
        QCOMPARE(chosen[0][0].value<DesignRecord>().coreFluxDensity, expected.coreFluxDensity);

        refine->setChecked(false);
        RunToTheEnd(*window);
        QVERIFY(!window->Refined().has_value());
        QCOMPARE(static_cast<std::size_t>(table->rowCount()), window->Outcome()->best.size());
        QVERIFY(!table->verticalHeader()->isVisible());
        QCOMPARE(table->item(0, 0)->text(), QString::number(gridBest.score.totalOwning, 'f', 2));
        QVERIFY(!window->findChild<QLabel*>(QStringLiteral("summary"))
                     ->text()
                     .contains(QStringLiteral("Refinement")));
    }

    // A cancelled search ends early, the window stays usable and the next run completes.
    void CancelLeavesTheWindowUsable() {
        auto window = NewWindow();
        QSignalSpy finished(window.get(), &DesignSearchWindow::searchFinished);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRun")),
                          Qt::LeftButton);
        auto* cancel = window->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
        QVERIFY(cancel->isEnabled());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(finished.wait(120000));
        QVERIFY(window->Outcome()->cancelled);
        QVERIFY(window->Outcome()->evaluated < CandidateCount(SearchGrid()));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("cmdRun"))->isEnabled());
        QVERIFY(!cancel->isEnabled());

        window->SetGrid(CoarseGrid());
        RunToTheEnd(*window);
        QVERIFY(!window->Outcome()->cancelled);
        QVERIFY(window->Outcome()->feasible > 0);
    }

    // A saved grid opens again as the same grid, with the flux rows named for the file's steels;
    // a file that is no grid leaves the editor as it was and says why in the window.
    void GridFilesRoundTripAndRefuse() {
        auto window = NewWindow();
        auto* editor = window->findChild<GridEditor*>();
        SearchGrid grid = CoarseGrid();
        std::swap(grid.steels[0], grid.steels[2]);
        editor->SetGrid(grid);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("grid.json"));
        QVERIFY(editor->SaveFile(path));
        editor->SetGrid(SearchGrid());
        QVERIFY(editor->OpenFile(path));
        QCOMPARE(SearchGridJson(editor->Grid()), SearchGridJson(grid));
        QVERIFY(window->findChild<QDoubleSpinBox*>(QStringLiteral("flux-hib-023First")) != nullptr);
        QCOMPARE(window->findChild<QDoubleSpinBox*>(QStringLiteral("flux-hib-023First"))->value(),
                 1.2);

        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(R"({"windowRatio":{"first":3,"last":2,"step":0.25}})");
        broken.close();
        QVERIFY(!editor->OpenFile(path));
        QCOMPARE(SearchGridJson(editor->Grid()), SearchGridJson(grid));
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("summary"))
                    ->text()
                    .contains(QStringLiteral("ends before it starts")));
    }
};

}  // namespace kestrava::search::ui

QTEST_MAIN(kestrava::search::ui::DesignSearchWindowTest)
#include "design_search_window_test.moc"
