#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "assess/regime.h"
#include "cad/general_arrangement.h"
#include "report/drawing_svg.h"
#include "report/offscreen_gui.h"
#include "report/report_figures.h"
#include "report/report_files.h"
#include "report/report_pdf.h"
#include "testing/fresh_test_folder.h"
#include "testing/installed_table_design.h"

namespace kestrava::report {
namespace {

namespace fs = std::filesystem;

// The worked 100 kVA design: H.V. coils overlap, P0 = 500 W, far above the EU limits.
DesignRecord WorkedDesign() {
    return test_support::DesignOnInstalledTable({100, 11000, 433, 50, ConnectionType::DeltaStar, 5},
                                                KESTRAVA_CONDUCTOR_DATABASE);
}

assess::Regime LoadRegime(const char* name) {
    auto outcome = assess::FindRegime(name, KESTRAVA_STANDARDS_DIR);
    if (!outcome.has_value()) {
        ADD_FAILURE() << outcome.error();
        return {};
    }
    return std::move(outcome).value();
}

std::string CommandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

class ReportTest : public testing::Test {
  protected:
    void SetUp() override { folder_ = test_support::FreshTestFolder("kestrava_report"); }
    void TearDown() override { fs::remove_all(folder_); }

    // The text a reader extracts from the report of 'design', page by page (form feeds).
    std::string ReportText(const ReportDesign& design) {
        const fs::path pdf = folder_ / "report.pdf";
        EXPECT_TRUE(WriteReportFiles(design, {}, pdf).has_value());
        return CommandOutput("pdftotext -enc UTF-8 '" + pdf.string() + "' -");
    }

    static ReportDesign Design(const assess::Regime* regime,
                               RulesOrigin origin = RulesOrigin::Fixed) {
        const DesignRecord record = WorkedDesign();
        return MakeReportDesign(
            record, {.primary = "11000", .secondary = "433", .connection = "Delta-Star"}, {},
            regime, FixedDesignRules(record.kvaRating), origin);
    }

    fs::path folder_;
    OffscreenGui gui_;
};

void ExpectHolds(const std::string& text, const std::string& piece) {
    EXPECT_NE(text.find(piece), std::string::npos) << "missing \"" << piece << "\"";
}

TEST_F(ReportTest, FailingRegimeIsNamedWithEachLimitAndVerdict) {
    const assess::Regime tier2 = LoadRegime("eu-2014-548-tier2");
    const ReportDesign design = Design(&tier2);
    const std::string text = ReportText(design);

    ExpectHolds(text, "100 kVA, 11000 V / 433 V, Delta-Star, 50 Hz, tapping 5 %");
    ExpectHolds(text, "EU 548/2014 Tier 2");
    ExpectHolds(text, "500 W, maximum 130 W");
    ExpectHolds(text, "maximum 1250 W");
    ExpectHolds(text, "FAIL");
    ExpectHolds(text, "H.V. coils of adjacent limbs overlap by 3.86 mm");

    const assess::Assessment& a = design.assessment;
    ExpectHolds(text, Fixed(a.efficiency[3].percent, 2).toStdString() + " %");
    ExpectHolds(text, Whole(design.record.totalCopperLoss).toStdString() + " W");
    ExpectHolds(text, Whole(a.masses.total).toStdString() + " kg");
    ExpectHolds(text, Whole(a.cost.totalOwning).toStdString());
    ExpectHolds(text, Fixed(a.impedance.percent, 2).toStdString() + " %");
    ExpectHolds(text, "the fixed rules");

    const cad::ArrangementDimensions d = cad::ArrangementDimensionsOf(design.record);
    for (const long value : {d.tankLength, d.tankWidth, d.tankHeight, d.frameWidth, d.frameHeight,
                             d.limbCentres, d.oilLevel}) {
        ExpectHolds(text, std::to_string(value));
    }
    // Summary, charts, drawing and at least one page of the sheet.
    EXPECT_GE(std::count(text.begin(), text.end(), '\f'), 4);
    ExpectHolds(text, "*** DESIGN SHEET ***");
}

TEST_F(ReportTest, OutsideTheRegimesScopeIsNotCoveredAndASearchedDesignSaysSo) {
    const assess::Regime doe = LoadRegime("us-doe-2016");  // 60 Hz only
    const std::string text = ReportText(Design(&doe, RulesOrigin::Searched));
    ExpectHolds(text, "US DOE 2016");
    ExpectHolds(text, "NOT COVERED");
    ExpectHolds(text, "found by a design search");
}

TEST_F(ReportTest, DrawingSvgStatesEveryDimensionAsText) {
    const DesignRecord record = WorkedDesign();
    const cad::GeneralArrangement drawing = cad::BuildGeneralArrangement(record);
    const std::string svg =
        DrawingSvg(drawing, {QStringLiteral("100 kVA"), QStringLiteral("2026-01-02"),
                             QStringLiteral("Kestrava 9.9.9")})
            .toStdString();
    const cad::ArrangementDimensions& d = drawing.dimensions;
    for (const long value : {d.tankLength, d.tankWidth, d.tankHeight, d.frameWidth, d.frameHeight,
                             d.limbCentres, d.oilLevel}) {
        ExpectHolds(svg, std::string(1, '>').append(std::to_string(value)) + "<");
    }
    ExpectHolds(svg, "First-angle projection");
    ExpectHolds(svg, "Scale 1:");
    ExpectHolds(svg, "2026-01-02");
    ExpectHolds(svg, "Kestrava 9.9.9");
    EXPECT_EQ(svg.find("<image"), std::string::npos);  // lines, never a picture
}

TEST_F(ReportTest, UnwritableFileIsRefusedWithItsName) {
    const fs::path missing = folder_ / "no such folder" / "r.pdf";
    const auto written = WriteReportFiles(Design(nullptr), {}, missing);
    ASSERT_FALSE(written.has_value());
    EXPECT_NE(written.error().find(missing.string()), std::string::npos);
}

}  // namespace
}  // namespace kestrava::report
