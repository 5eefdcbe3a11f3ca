#include <QBarSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>

#include "assess/assessment_json.h"
#include "assess/ui/results_window.h"
#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"
#include "ui/testing/scripted_message_boxes.h"

namespace kestrava::assess::ui {
namespace {

namespace fs = std::filesystem;

// A regime no legacy design can fail, as a user might add one to the Standards folder.
constexpr const char* kLenientRegime = R"({"name":"Lenient","source":"a test",
  "scope":{"description":"every 50 Hz design","frequencies":[50]},
  "rows":[{"kva":10,"maxNoLoadLossW":5000,"maxLoadLossW":50000},
          {"kva":2000,"maxNoLoadLossW":9000,"maxLoadLossW":90000}]})";

// The design of 'inputs' on the installed strip table; the ratings used here all have one.
DesignRecord Design(const DesignInputs& inputs) {
    InMemoryConductorTable table(LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE).value());
    return DesignTransformer(inputs, table).value();
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void showsTheWorkedDesignAndWhyItDoesNotFit();
    void editedSettingsShowAtOnceAndAreKept();
    void regimeVerdictsByWordAndColor();
    void storedValuesTheAssessmentRefusesFallBackToDefaults();
    void exportWritesTheShownAssessment();

  private:
    std::unique_ptr<ResultsWindow> MakeWindow() {
        return std::make_unique<ResultsWindow>(boxes_, *store_, standards_,
                                               QStringLiteral("Kestrava"));
    }
    QString Text(const ResultsWindow& window, const char* name) const {
        return window.findChild<QLabel*>(QLatin1String(name))->text();
    }
    void Choose(ResultsWindow& window, const QString& regimeName) {
        auto* regime = window.findChild<QComboBox*>(QStringLiteral("regime"));
        regime->setCurrentIndex(regime->findText(regimeName));
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<QSettings> store_;
    QString standards_;
    kestrava::ui::testing::ScriptedMessageBoxes boxes_;
    const DesignRecord worked_ = Design({100, 11000, 433, 50, ConnectionType::DeltaStar, 5});
};

void ResultsWindowTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<QSettings>(folder_->filePath(QStringLiteral("settings.ini")),
                                         QSettings::IniFormat);
    standards_ = folder_->filePath(QStringLiteral("Standards"));
    fs::copy(KESTRAVA_STANDARDS_DIR, standards_.toStdString());
    QFile lenient(standards_ + QStringLiteral("/lenient.json"));
    QVERIFY(lenient.open(QIODevice::WriteOnly));
    lenient.write(kLenientRegime);
    boxes_.Clear();
}

void ResultsWindowTest::cleanup() {
    store_.reset();
    folder_.reset();
}

void ResultsWindowTest::showsTheWorkedDesignAndWhyItDoesNotFit() {
    auto window = MakeWindow();
    window->ShowDesign(worked_);
    QCOMPARE(Text(*window, "coreLimbMass"), QStringLiteral("136.4"));
    QCOMPARE(Text(*window, "coreYokeMass"), QStringLiteral("223.6"));
    QCOMPARE(Text(*window, "consistency"),
             QStringLiteral("The design is not consistent: H.V. coils of adjacent limbs overlap "
                            "by 3.86 mm."));
    QCOMPARE(Text(*window, "impedanceVerdict"), QStringLiteral("PASS"));
    QCOMPARE(Text(*window, "hvShortCircuitVerdict"), QStringLiteral("PASS"));
    QCOMPARE(
        window->findChild<QTableWidget*>(QStringLiteral("efficiencyTable"))->item(3, 1)->text(),
        QString::number(window->ShownAssessment().efficiency[3].percent, 'f', 3));

    const DesignRecord fits = Design({25, 11000, 415, 60, ConnectionType::DeltaStar, 0});
    window->ShowDesign(fits);
    QCOMPARE(Text(*window, "consistency"), QStringLiteral("The design is consistent."));
    QVERIFY(Text(*window, "clearances").startsWith(QStringLiteral("Every winding fits")));
}

void ResultsWindowTest::editedSettingsShowAtOnceAndAreKept() {
    auto window = MakeWindow();
    window->ShowDesign(worked_);
    window->findChild<QDoubleSpinBox*>(QStringLiteral("copperPrice"))->setValue(20);
    window->findChild<QDoubleSpinBox*>(QStringLiteral("tankWallThickness"))->setValue(6);
    window->findChild<QDoubleSpinBox*>(QStringLiteral("noLoadLossPerW"))->setValue(8);
    Choose(*window, QStringLiteral("EU 548/2014 Tier 2"));

    AssessmentSettings expected;
    expected.prices.copper = 20;
    expected.tankWallThickness = 0.006;
    expected.capitalisation.noLoadLossPerW = 8;
    const Assessment direct = Assess(worked_, expected, nullptr);
    QCOMPARE(Text(*window, "totalOwning"), QString::number(direct.cost.totalOwning, 'f', 2));
    QCOMPARE(Text(*window, "tankSteelMass"), QString::number(direct.masses.tankSteel, 'f', 1));
    QCOMPARE(window->ShownAssessment().cost.totalOwning, direct.cost.totalOwning);

    auto reopened = MakeWindow();
    reopened->ShowDesign(worked_);
    QCOMPARE(reopened->findChild<QDoubleSpinBox*>(QStringLiteral("copperPrice"))->value(), 20.0);
    QCOMPARE(reopened->findChild<QComboBox*>(QStringLiteral("regime"))->currentText(),
             QStringLiteral("EU 548/2014 Tier 2"));
    QCOMPARE(Text(*reopened, "totalOwning"), Text(*window, "totalOwning"));
    QCOMPARE(Text(*reopened, "complianceVerdict"), QStringLiteral("FAIL"));
}

void ResultsWindowTest::regimeVerdictsByWordAndColor() {
    auto window = MakeWindow();
    window->ShowDesign(worked_);
    auto* chart = window->findChild<QChartView*>(QStringLiteral("lossChart"));
    const auto barSets = [&] {
        return qobject_cast<QBarSeries*>(chart->chart()->series().at(0))->count();
    };
    QCOMPARE(Text(*window, "complianceVerdict"), QString());
    QCOMPARE(barSets(), 1);

    const struct {
        const char* regime;
        const char* verdict;
        const char* colour;
        int barSets;
    } cases[] = {{"EU 548/2014 Tier 1", "FAIL", "#c62828", 2},
                 {"Lenient", "PASS", "#2e7d32", 2},
                 {"US DOE 2016", "NOT COVERED", "#6d6d6d", 1}};
    for (const auto& c : cases) {
        Choose(*window, QLatin1String(c.regime));
        auto* verdict = window->findChild<QLabel*>(QStringLiteral("complianceVerdict"));
        QCOMPARE(verdict->text(), QLatin1String(c.verdict));
        QVERIFY2(verdict->styleSheet().contains(QLatin1String(c.colour)), c.regime);
        QCOMPARE(barSets(), c.barSets);
    }
    QVERIFY(Text(*window, "complianceNote").contains(QStringLiteral("does not cover")));
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("complianceTable"));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("NOT COVERED"));
}

void ResultsWindowTest::storedValuesTheAssessmentRefusesFallBackToDefaults() {
    store_->setValue(QStringLiteral("assessment/tankWallThickness"), 5.0);  // metres
    store_->setValue(QStringLiteral("assessment/prices/copper"), 14.0);
    store_->setValue(QStringLiteral("assessment/regime"), QStringLiteral("withdrawn-regime"));
    auto window = MakeWindow();
    window->ShowDesign(worked_);
    QCOMPARE(window->findChild<QDoubleSpinBox*>(QStringLiteral("tankWallThickness"))->value(), 4.0);
    QCOMPARE(window->findChild<QDoubleSpinBox*>(QStringLiteral("copperPrice"))->value(), 11.0);
    QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("regime"))->currentIndex(), 0);
    QVERIFY(!window->ShownAssessment().compliance.has_value());
}

void ResultsWindowTest::exportWritesTheShownAssessment() {
    auto window = MakeWindow();
    window->ShowDesign(worked_);
    Choose(*window, QStringLiteral("EU 548/2014 Tier 1"));
    const QString path = folder_->filePath(QStringLiteral("assessment.json"));
    window->SetExportPathChooser([&](QWidget*) { return path; });
    window->findChild<QPushButton*>(QStringLiteral("cmdExportJson"))->click();
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const auto parsed = nlohmann::ordered_json::parse(written.readAll().toStdString());
    QCOMPARE(parsed, AssessmentJson(window->ShownAssessment()));
    QCOMPARE(parsed["compliance"]["regime"].get<std::string>(), std::string("EU 548/2014 Tier 1"));
    QVERIFY(boxes_.ShownBoxes().empty());

    window->SetExportPathChooser([](QWidget*) { return QStringLiteral("/nonexistent/a.json"); });
    window->findChild<QPushButton*>(QStringLiteral("cmdExportJson"))->click();
    QCOMPARE(boxes_.ShownBoxes().size(), std::size_t{1});
    QVERIFY(boxes_.ShownBoxes()[0].text.contains(QStringLiteral("/nonexistent/a.json")));
    QCOMPARE(boxes_.ShownBoxes()[0].icon, kestrava::ui::MessageIcon::Critical);
}

}  // namespace kestrava::assess::ui

QTEST_MAIN(kestrava::assess::ui::ResultsWindowTest)
#include "results_window_test.moc"
