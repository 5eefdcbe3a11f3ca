#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cad/general_arrangement.h"
#include "testing/fresh_test_folder.h"
#include "testing/installed_table_design.h"

namespace kestrava {
namespace {

namespace fs = std::filesystem;

std::string Output(const std::string& command, int* status = nullptr) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int raw = pclose(pipe);
    if (status != nullptr) *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class ReportCommandTest : public testing::Test {
  protected:
    void SetUp() override { folder_ = test_support::FreshTestFolder("kestrava_report_cmd"); }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs kestrava-design as on a server: no display and no platform named. Standard output
    // is dropped unless 'arguments' send it elsewhere.
    int Design(const std::string& arguments) const {
        int status = -1;
        Output("cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                   std::string(KESTRAVA_DESIGN_EXE) + "' >/dev/null 2>'" +
                   (folder_ / "stderr.txt").string() + "' " + arguments,
               &status);
        return status;
    }

    fs::path folder_;
};

// 250 kVA at 6.6 kV, Star-Delta: a design the library tests never see.
TEST_F(ReportCommandTest, WithoutADisplayTheReportAndDrawingHoldRatingAndDimensions) {
    const fs::path pdf = folder_ / "r.pdf";
    const fs::path svg = folder_ / "d.svg";
    ASSERT_EQ(Design("--kva 250 --primary 6600 --secondary 415 --connection Star-Delta "
                     "--frequency 60 --tapping 2 --report '" +
                     pdf.string() + "' --drawing '" + svg.string() + "'"),
              0)
        << ReadBytes(folder_ / "stderr.txt");

    const std::string text = Output("pdftotext '" + pdf.string() + "' -");
    EXPECT_NE(text.find("250 kVA, 6600 V / 415 V, Star-Delta, 60 Hz, tapping 2 %"),
              std::string::npos);
    EXPECT_GE(std::stoi(Output("pdfinfo '" + pdf.string() + "' | awk '/^Pages:/ {print $2}'")), 3);

    const DesignRecord record = test_support::DesignOnInstalledTable(
        {250, 6600, 415, 60, ConnectionType::StarDelta, 2}, KESTRAVA_CONDUCTOR_DATABASE);
    const cad::ArrangementDimensions d = cad::ArrangementDimensionsOf(record);
    const std::string drawing = ReadBytes(svg);
    for (const long value : {d.tankLength, d.tankWidth, d.tankHeight, d.frameWidth, d.frameHeight,
                             d.limbCentres, d.oilLevel}) {
        EXPECT_NE(text.find(std::to_string(value)), std::string::npos) << value;
        EXPECT_NE(drawing.find(">" + std::to_string(value) + "<"), std::string::npos) << value;
    }
}

// The report takes the regime without --assess; the JSON record stays without an assessment.
TEST_F(ReportCommandTest, FailingRegimeReportNamesTheRegimeAndLeavesTheRecordAlone) {
    const fs::path pdf = folder_ / "r.pdf";
    ASSERT_EQ(Design("--kva 100 --primary 11000 --secondary 433 --regime eu-2014-548-tier2 "
                     "--json --report '" +
                     pdf.string() + "' > '" + (folder_ / "out.json").string() + "'"),
              0);
    const std::string text = Output("pdftotext '" + pdf.string() + "' -");
    EXPECT_NE(text.find("EU 548/2014 Tier 2"), std::string::npos);
    EXPECT_NE(text.find("500 W, maximum 130 W"), std::string::npos);
    EXPECT_NE(text.find("FAIL"), std::string::npos);
    const std::string json = ReadBytes(folder_ / "out.json");
    EXPECT_NE(json.find("\"kvaRating\""), std::string::npos);
    EXPECT_EQ(json.find("assessment"), std::string::npos);
}

// 160 kVA has no design by the fixed rules; the searched one's report says where its rules came
// from and names them.
TEST_F(ReportCommandTest, SearchedDesignReportSaysItWasSearched) {
    const fs::path pdf = folder_ / "s.pdf";
    ASSERT_EQ(Design("--kva 160 --primary 11000 --secondary 433 --search --report '" +
                     pdf.string() + "'"),
              0)
        << ReadBytes(folder_ / "stderr.txt");
    const std::string text = Output("pdftotext '" + pdf.string() + "' -");
    EXPECT_NE(text.find("Design rules: found by a design search"), std::string::npos);
    EXPECT_NE(text.find("hib-023"), std::string::npos);
    EXPECT_NE(text.find("160 kVA, 11000 V / 433 V"), std::string::npos);
}

// A report or drawing into a missing folder is refused before the sheet is written.
TEST_F(ReportCommandTest, UnwritableReportIsStatusTwoAndNamed) {
    const fs::path sheet = folder_ / "sheet.txt";
    for (const char* option : {"--report", "--drawing"}) {
        const fs::path file = folder_ / "missing" / "r.out";
        EXPECT_EQ(Design("--kva 100 --primary 11000 --secondary 433 --sheet '" + sheet.string() +
                         "' " + option + " '" + file.string() + "'"),
                  2)
            << option;
        EXPECT_NE(ReadBytes(folder_ / "stderr.txt").find(file.string()), std::string::npos);
        EXPECT_FALSE(fs::exists(sheet)) << option;
    }
}

}  // namespace
}  // namespace kestrava
