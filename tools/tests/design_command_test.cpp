#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "assess/assessment.h"
#include "assess/assessment_fields.h"
#include "engine/core_steel_catalogue.h"
#include "engine/design_record_fields.h"
#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"
#include "sheet/design_sheet_writer.h"
#include "testing/fresh_test_folder.h"
#include "testing/installed_table_design.h"

namespace kestrava {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class DesignCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = kestrava::test_support::FreshTestFolder("kestrava_design_cmd");
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the command from another working folder with 'arguments' (shell words).
    CommandRun Command(const std::string& arguments) const {
        const fs::path errFile = folder_ / "stderr.txt";
        const std::string command = "cd / && '" + std::string(KESTRAVA_DESIGN_EXE) + "' " +
                                    arguments + " 2>'" + errFile.string() + "'";
        CommandRun run;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return run;
        char buffer[65536];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.out.append(buffer, n);
        const int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.err = ReadBytes(errFile);
        return run;
    }

    // The same design run in this process on the installed table.
    static DesignRecord DesignHere(const DesignInputs& inputs) {
        return test_support::DesignOnInstalledTable(inputs, KESTRAVA_CONDUCTOR_DATABASE);
    }

    fs::path folder_;
};

TEST_F(DesignCommandTest, JsonHoldsTheWholeRecordAtFullPrecision) {
    const CommandRun run = Command("--kva 100 --primary '11 000' --secondary 433 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const json parsed = json::parse(run.out);
    const DesignRecord expected = DesignHere({100, 11000, 433, 50, ConnectionType::DeltaStar, 5});

    ForEachDoubleField(expected, [&](std::string_view name, double value) {
        EXPECT_EQ(parsed.at(std::string(name)).get<double>(), value) << name;
    });
    EXPECT_EQ(parsed["frequency"], 50);
    EXPECT_EQ(parsed["tapping"], 5);
    EXPECT_EQ(parsed["connectionType"], "Delta-Star");
    EXPECT_EQ(parsed["engineError"], false);
    EXPECT_EQ(parsed["tableFound"], true);
    EXPECT_EQ(parsed["consistent"], !IsDesignInconsistent(expected));
}

TEST_F(DesignCommandTest, SheetOnStandardOutputEqualsTheWriter) {
    const CommandRun run = Command(
        "--kva 250 --primary ' 6600' --secondary 415 --frequency 50.5 --connection Star-Delta "
        "--tapping 2.5 --sheet -");
    ASSERT_EQ(run.status, 0) << run.err;
    const DesignRecord record = DesignHere({250, 6600, 415, 50, ConnectionType::StarDelta, 2});
    EXPECT_EQ(run.out,
              FormatDesignSheet(
                  record, {.primary = " 6600", .secondary = "415", .connection = "Star-Delta"}));
}

TEST_F(DesignCommandTest, SheetFileAndTableOptionAreHonoured) {
    const fs::path table = folder_ / "copy of table.sqlite";
    fs::copy_file(KESTRAVA_CONDUCTOR_DATABASE, table);
    const fs::path sheet = folder_ / "Design Sheet.txt";
    const CommandRun run = Command(
        "--kva 100 --primary 11000 --secondary 433 --connection Star-Star "
        "--table '" +
        table.string() + "' --sheet '" + sheet.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const DesignRecord record = DesignHere({100, 11000, 433, 50, ConnectionType::StarStar, 5});
    EXPECT_EQ(ReadBytes(sheet),
              FormatDesignSheet(
                  record, {.primary = "11000", .secondary = "433", .connection = "Star-Star"}));
}

struct UsageCase {
    const char* name;
    const char* arguments;
    const char* messagePart;
};

class DesignCommandUsageTest : public DesignCommandTest,
                               public testing::WithParamInterface<UsageCase> {};

TEST_P(DesignCommandUsageTest, RefusesWithStatusTwoBeforeWritingAnything) {
    std::string arguments = GetParam().arguments;
    if (const auto at = arguments.find("{folder}"); at != std::string::npos) {
        arguments.replace(at, 8, folder_.string());
    }
    const CommandRun run = Command(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(GetParam().messagePart), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << "raw control character in the message";
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(folder_ / "sheet.txt")) << "a refused run wrote its sheet";
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, DesignCommandUsageTest,
    testing::Values(
        UsageCase{"ThousandsSeparator", "--kva 100 --primary 11,000 --secondary 433",
                  "--primary: \"11,000\" is not a number"},
        UsageCase{"MissingSecondary", "--kva 100 --primary 11000", "--secondary is required"},
        UsageCase{"UnknownConnection", "--kva 100 --primary 11000 --secondary 433 --connection Y",
                  "Delta-Star, Star-Delta, Star-Star, Delta-Delta"},
        UsageCase{"FrequencyOutOfRange",
                  "--kva 100 --primary 11000 --secondary 433 --frequency 40000", "--frequency"},
        UsageCase{"TappingOutOfRange", "--kva 100 --primary 11000 --secondary 433 --tapping -1e6",
                  "--tapping"},
        UsageCase{"MissingTable",
                  "--kva 100 --primary 11000 --secondary 433 --table "
                  "\"$(printf '/nonexistent/t\\033.sqlite')\"",
                  "\"/nonexistent/t\\x1B.sqlite\""},
        UsageCase{"MissingBatchFile", "--batch /nonexistent/ratings.csv",
                  "/nonexistent/ratings.csv"},
        UsageCase{"BatchWithRating", "--batch /tmp/x.csv --kva 100", "--kva"},
        UsageCase{"TwoOutputsOnStdout",
                  "--kva 100 --primary 11000 --secondary 433 --sheet - --json", "--json"},
        UsageCase{"UnknownOption", "--kva 100 --primary 11000 --secondary 433 --colour red",
                  "--colour"},
        UsageCase{"EmptyTable", "--kva 100 --primary 11000 --secondary 433 --table ''",
                  "--table needs a file name"},
        UsageCase{"EscapeInKva", "--kva \"$(printf '1\\0330')\" --primary 11000 --secondary 433",
                  "--kva: \"1\\x1B0\" holds a control character"},
        UsageCase{"LineFeedInPrimary",
                  "--kva 100 --primary \"$(printf '11000\\nX')\" --secondary 433 --sheet "
                  "{folder}/sheet.txt",
                  "--primary: \"11000\\x0AX\" holds a control character"},
        UsageCase{"EscapeInConnection",
                  "--kva 100 --primary 11000 --secondary 433 --connection \"$(printf 'Y\\033')\"",
                  "\"Y\\x1B\" is not one of"},
        UsageCase{
            "ModelOfAnotherKind",
            "--kva 100 --primary 11000 --secondary 433 --model m.obj --sheet {folder}/sheet.txt",
            "must end in .step, .stp or .glb"},
        UsageCase{"ModelWithoutName", "--kva 100 --primary 11000 --secondary 433 --model ''",
                  "--model needs a file name"},
        UsageCase{"ModelInMissingFolder",
                  "--kva 100 --primary 11000 --secondary 433 --sheet {folder}/sheet.txt --model "
                  "/nonexistent/m.step",
                  "the folder \"/nonexistent\" does not exist"},
        UsageCase{"BatchIsAFolder", "--batch /tmp", "\"/tmp\": Is a directory"},
        UsageCase{"RegimeWithoutAssess",
                  "--kva 100 --primary 11000 --secondary 433 --regime us-doe-2016", "--assess"},
        UsageCase{"UnknownRegime",
                  "--kva 100 --primary 11000 --secondary 433 --assess --regime eu-2030",
                  "--regime: no regime named \"eu-2030\"; known: eu-2014-548-tier1"},
        UsageCase{"MissingSettings", "--batch /tmp/x.csv --assess --settings /nonexistent/s.json",
                  "--settings: cannot read \"/nonexistent/s.json\""},
        UsageCase{"AssessmentAndSheetOnStdout",
                  "--kva 100 --primary 11000 --secondary 433 --sheet - --assess", "--assess"}),
    [](const testing::TestParamInfo<UsageCase>& param) { return param.param.name; });

TEST_F(DesignCommandTest, UnwritableOutputIsReportedWithStatusTwo) {
    const CommandRun sheet =
        Command("--kva 100 --primary 11000 --secondary 433 --sheet /nonexistent/s.txt");
    EXPECT_EQ(sheet.status, 2);
    EXPECT_NE(sheet.err.find("/nonexistent/s.txt"), std::string::npos) << sheet.err;

    for (const char* output : {"--json", "--sheet -"}) {
        const CommandRun full = Command(std::string("--kva 100 --primary 11000 --secondary 433 ") +
                                        output + " >/dev/full");
        EXPECT_EQ(full.status, 2) << output;
        EXPECT_TRUE(full.err.ends_with(
            "kestrava-design: cannot write the results to standard output: No space left on "
            "device\n"))
            << output << ": " << full.err;
    }
}

TEST_F(DesignCommandTest, ModelOptionWritesStepWithGlbBesideItOrGlbAlone) {
    const fs::path step = folder_ / "Trans1.stp";
    const CommandRun run =
        Command("--kva 100 --primary 11000 --secondary 433 --model '" + step.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(step).rfind("ISO-10303-21;", 0), 0u);
    EXPECT_EQ(ReadBytes(folder_ / "Trans1.glb").substr(0, 4), "glTF");

    const fs::path glb = folder_ / "only" / "Model.glb";
    fs::create_directory(glb.parent_path());
    const CommandRun alone =
        Command("--kva 100 --primary 11000 --secondary 433 --model '" + glb.string() + "'");
    ASSERT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(ReadBytes(glb).substr(0, 4), "glTF");
    EXPECT_EQ(std::distance(fs::directory_iterator(glb.parent_path()), fs::directory_iterator()),
              1);
}

// One design must start without the modelling kernel or Qt; only --model needs them.
TEST_F(DesignCommandTest, TheCommandLinksNeitherTheModellingKernelNorQt) {
    FILE* pipe = popen(("ldd '" + std::string(KESTRAVA_DESIGN_EXE) + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string libraries;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        libraries.append(buffer, n);
    ASSERT_EQ(pclose(pipe), 0);
    EXPECT_NE(libraries.find("libsqlite3"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libTK"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
}

TEST_F(DesignCommandTest, EngineFailureGivesStatusOneAndTheMessage) {
    const CommandRun run =
        Command("--kva 100 --primary 11000 --secondary 433 --frequency 0 --json");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Error: ", 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(DesignCommandTest, InconsistentDesignStillRunsWithAWarning) {
    const CommandRun fits =
        Command("--kva 25 --primary 11000 --secondary 415 --frequency 60 --tapping 0");
    ASSERT_EQ(fits.status, 0) << fits.err;
    EXPECT_EQ(json::parse(fits.out)["consistent"], true);
    EXPECT_EQ(fits.err, "");

    const CommandRun absurd = Command("--kva 26 --primary 6600 --secondary 433 --tapping 1");
    ASSERT_EQ(absurd.status, 0) << absurd.err;
    EXPECT_EQ(json::parse(absurd.out)["consistent"], false);
    EXPECT_EQ(absurd.err.rfind("Warning: \nThe entered values are not consistent!\n", 0), 0u)
        << absurd.err;
}

TEST_F(DesignCommandTest, RulesRunTheEngineByThemAndAreRefusedBeforeARun) {
    const CommandRun run = Command(
        "--kva 100 --primary 11000 --secondary 433 --rules "
        "coreFluxDensity=1.6,steel=hib-023,parallelStrips=2,windowRatio=3.25");
    ASSERT_EQ(run.status, 0) << run.err;
    const json parsed = json::parse(run.out);
    DesignRules rules = FixedDesignRules(100.0);
    rules.coreFluxDensity = 1.6;
    rules.steel = "hib-023";
    rules.parallelStrips = 2;
    rules.windowRatio = 3.25;
    const LoadedCoreSteels steels = LoadCoreSteels(KESTRAVA_STEELS_FILE);
    ASSERT_TRUE(steels.has_value()) << steels.error();
    ASSERT_NE(steels->Find("hib-023"), nullptr);
    LoadedConductorTable loaded = LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE);
    InMemoryConductorTable table(std::move(loaded).value());
    const DesignResult expected =
        DesignTransformer({100, 11000, 433, 50, ConnectionType::DeltaStar, 5}, table, rules,
                          *steels->Find("hib-023"));
    ASSERT_TRUE(expected.has_value());
    ForEachDoubleField(expected.value(), [&](std::string_view name, double value) {
        EXPECT_EQ(parsed.at(std::string(name)).get<double>(), value) << name;
    });
    EXPECT_EQ(parsed["rules"]["windowRatio"], 3.25);
    EXPECT_EQ(parsed["rules"]["steel"], "hib-023");

    for (const char* refused : {"coreFluxDensity=1.5", "steel=unobtainium", "parallelStrips=0"}) {
        const CommandRun bad =
            Command(std::string("--kva 100 --primary 11000 --secondary 433 --rules ") + refused);
        EXPECT_EQ(bad.status, 2) << refused;
        EXPECT_EQ(bad.out, "") << refused;
        EXPECT_NE(bad.err.find("--rules: "), std::string::npos) << bad.err;
    }
}

// At 160 kVA, 433 V the fixed rules find no strip; the search finds a design, and the Pareto
// file holds a sorted front without a dominated row.
TEST_F(DesignCommandTest, SearchFindsADesignWhereTheFixedRulesFail) {
    EXPECT_EQ(Command("--kva 160 --primary 11000 --secondary 433").status, 1);
    const fs::path csv = folder_ / "front.csv";
    const CommandRun run = Command("--kva 160 --primary 11000 --secondary 433 --search --pareto '" +
                                   csv.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const json parsed = json::parse(run.out);
    EXPECT_EQ(parsed["evaluated"], 869364);
    EXPECT_GT(parsed["feasible"].get<int>(), 0);
    const json& best = parsed["best"];
    EXPECT_EQ(best["consistent"], true);
    EXPECT_EQ(best["assessment"]["impedance"]["pass"], true);
    EXPECT_EQ(best["rules"].size(), 7u);

    std::istringstream lines(ReadBytes(csv));
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line.rfind("materialCost,lossCapitalisation,totalOwningCost,outputConstant,", 0), 0u);
    double lastMaterial = 0.0;
    double lastLosses = 1e300;
    double lowestOwning = 1e300;
    int rows = 0;
    while (std::getline(lines, line)) {
        double material = 0.0;
        double losses = 0.0;
        double owning = 0.0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf", &material, &losses, &owning), 3);
        EXPECT_GT(material, lastMaterial) << line;
        EXPECT_LT(losses, lastLosses) << line;
        lastMaterial = material;
        lastLosses = losses;
        lowestOwning = std::min(lowestOwning, owning);
        ++rows;
    }
    EXPECT_GT(rows, 1);
    EXPECT_EQ(lowestOwning, best["assessment"]["cost"]["totalOwning"].get<double>());
}

// --grid replaces the default grid: one point gives one candidate and that point's rules; a grid
// that names an unknown steel is refused before anything runs.
TEST_F(DesignCommandTest, SearchTakesItsGridFromAFile) {
    const fs::path grid = folder_ / "grid.json";
    std::ofstream(grid) << R"({"outputConstant":{"first":0.49,"last":0.49,"step":0.01},)"
                           R"("steels":[{"steel":"hib-023",)"
                           R"("coreFluxDensity":{"first":1.65,"last":1.65,"step":0.05}}],)"
                           R"("currentDensity":{"first":3,"last":3,"step":0.1},)"
                           R"("windowRatio":{"first":2,"last":2,"step":0.25},)"
                           R"("parallelStrips":{"first":2,"last":2}})";
    const std::string rating = "--kva 160 --primary 11000 --secondary 433 --search --grid '";
    const CommandRun run = Command(rating + grid.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const json parsed = json::parse(run.out);
    EXPECT_EQ(parsed["evaluated"], 1);
    EXPECT_EQ(parsed["best"]["rules"]["coreFluxDensity"], 1.65);
    EXPECT_EQ(parsed["best"]["rules"]["parallelStrips"], 2);
    EXPECT_EQ(parsed["best"]["rules"]["steel"], "hib-023");

    std::ofstream(grid) << R"({"steels":[{"steel":"unobtainium",)"
                           R"("coreFluxDensity":{"first":1.5,"last":1.5,"step":0.05}}]})";
    const CommandRun unknown = Command(rating + grid.string() + "'");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unobtainium"), std::string::npos) << unknown.err;
}

TEST_F(DesignCommandTest, SearchWithoutAFeasibleDesignNamesTheNearestMiss) {
    const CommandRun run =
        Command("--kva 100 --primary 11000 --secondary 433 --search --regime eu-2014-548-tier2");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("No design meets the constraints\nNearest miss: outputConstant=", 0),
              0u)
        << run.err;
    const json parsed = json::parse(run.out);
    EXPECT_TRUE(parsed["best"].is_null());
    EXPECT_EQ(parsed["feasible"], 0);
    EXPECT_FALSE(parsed["nearestMiss"]["broken"].empty());
    EXPECT_EQ(parsed["nearestMiss"]["design"]["assessment"]["compliance"]["pass"], false);
}

TEST_F(DesignCommandTest, BatchRunsGoodAndBadLines) {
    const fs::path csv = folder_ / "ratings.csv";
    std::ofstream(csv) << "kva,primary,secondary,frequency,connection,tapping\n"
                          "100,11000,433,50,Delta-Star,5\n"
                          "abc,11000,433,50,Delta-Star,5\n"
                          "63,11000,433,50,Star-Star,0\n";
    const CommandRun run = Command("--batch '" + csv.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "kestrava-design: 1 of 3 ratings gave no design\n");

    std::istringstream lines(run.out);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(json::parse(line)["kvaRating"], 100);
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(json::parse(line), (json{{"line", 3}, {"error", "kva: \"abc\" is not a number"}}));
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(json::parse(line)["connectionType"], "Star-Star");
    EXPECT_FALSE(std::getline(lines, line));
}

TEST_F(DesignCommandTest, BatchWithoutAnyDesignEndsWithStatusOne) {
    const fs::path csv = folder_ / "ratings.csv";
    std::ofstream(csv) << "kva,primary,secondary,frequency,connection,tapping\n"
                          "abc,11000,433,50,Delta-Star,5\n"
                          "100,11000,433,0,Delta-Star,5\n";
    const CommandRun run = Command("--batch '" + csv.string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrava-design: none of the 2 ratings gave a design\n");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
}

std::string Shortest(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

TEST_F(DesignCommandTest, FormatAndFieldsPrintChosenValuesAsCsvOrJson) {
    const DesignRecord record = DesignHere({100, 11000, 433, 50, ConnectionType::DeltaStar, 5});
    const assess::Assessment assessment =
        assess::Assess(record, assess::AssessmentSettings{}, nullptr);
    const std::string toc = Shortest(assessment.cost.totalOwning);
    const fs::path csv = folder_ / "ratings.csv";
    std::ofstream(csv) << "kva,primary,secondary,frequency,connection,tapping\n"
                          "100,11000,433,50,Delta-Star,5\n\n"
                          "100,11000,433,50,\"Y\",5\n";
    const std::string single = "--kva 100 --primary 11000 --secondary 433 ";
    const std::string batch = "--batch '" + csv.string() + "' ";
    const std::string chosen =
        "--fields kvaRating,connectionType,consistent,"
        "assessment.cost.totalOwning --assess";
    const std::string badRow =
        "connection: \"\"\"\"Y\"\"\"\" is not one of Delta-Star, "
        "Star-Delta, Star-Star, Delta-Delta";
    const struct {
        std::string arguments;
        int status;
        std::string out;
        const char* errPart;
    } cases[] = {
        {single + "--format csv " + chosen, 0,
         "kvaRating,connectionType,consistent,assessment.cost.totalOwning\n"
         "100,Delta-Star,false," +
             toc + "\n",
         ""},
        {single + chosen, 0,
         R"({"kvaRating":100,"connectionType":"Delta-Star","consistent":false,)"
         R"("assessment":{"cost":{"totalOwning":)" +
             toc + "}}}\n",
         ""},
        {batch + "--format csv " + chosen, 0,
         "line,kvaRating,connectionType,consistent,assessment.cost.totalOwning,error\n"
         "2,100,Delta-Star,false," +
             toc + ",\n4,,,,,\"" + badRow + "\"\n",
         "1 of 2 ratings gave no design"},
        {batch + "--fields hvCoilClearance,kvaRating", 0,
         "{\"hvCoilClearance\":" + Shortest(record.hvCoilClearance) + ",\"kvaRating\":100}\n" +
             R"({"line":4,"error":"connection: \"\"Y\"\" is not one of Delta-Star, Star-Delta, )"
             R"(Star-Star, Delta-Delta"})" +
             "\n",
         ""},
        {single + "--format csv --fields kvaRating,assessment.cost.totalOwning", 2, "",
         "\"assessment.cost.totalOwning\" needs --assess"},
        {batch + "--format csv --fields kvaRating,kvaRating", 2, "",
         "\"kvaRating\" is named twice"},
        {single + "--assess --fields kvaRating,masses.total", 2, "",
         "unknown field \"masses.total\"; the fields are kvaRating,primaryVoltage,"},
    };
    for (const auto& [arguments, status, out, errPart] : cases) {
        const CommandRun run = Command(arguments);
        EXPECT_EQ(run.status, status) << arguments << '\n' << run.err;
        EXPECT_EQ(run.out, out) << arguments;
        EXPECT_NE(run.err.find(errPart), std::string::npos) << arguments << '\n' << run.err;
    }

    // Without --fields a CSV row holds every record field, each reading back to its value.
    const CommandRun all = Command(single + "--format csv --assess");
    ASSERT_EQ(all.status, 0) << all.err;
    std::istringstream lines(all.out);
    std::string header;
    std::string row;
    ASSERT_TRUE(std::getline(lines, header) && std::getline(lines, row));
    std::map<std::string, std::string> cells;
    std::istringstream names(header);
    std::istringstream values(row);
    EXPECT_EQ(std::count(header.begin(), header.end(), ','),
              std::count(row.begin(), row.end(), ','));
    for (std::string name, value; std::getline(names, name, ',');) {
        if (!std::getline(values, value, ',')) value.clear();
        cells[name] = value;
    }
    ForEachDoubleField(record, [&](std::string_view name, double value) {
        EXPECT_EQ(std::stod(cells.at(std::string(name))), value) << name;
    });
    EXPECT_EQ(cells.at("hvLayerCount"), std::to_string(record.hvLayerCount));
    EXPECT_EQ(cells.at("consistent"), "false");
    EXPECT_EQ(cells.at("assessment.cost.totalOwning"), toc);
    EXPECT_EQ(cells.at("assessment.compliance.pass"), "");  // null without a regime
    // The record's members as the default JSON holds them, and the assessment's single values.
    EXPECT_EQ(cells.size(),
              json::parse(Command(single).out).size() + assess::AssessmentFields().size());
}

TEST_F(DesignCommandTest, AssessUsesTheSettingsAndRegimeForSingleRatingsAndBatches) {
    const fs::path settings = folder_ / "settings.json";
    std::ofstream(settings) << R"({"prices":{"copper":20},"tankWallThickness":0.005})";
    const fs::path regime = folder_ / "mine.json";
    std::ofstream(regime)
        << R"({"name":"Mine","source":"s","scope":{"description":"d"},)"
           R"("rows":[{"kva":50,"maxNoLoadLossW":600},{"kva":150,"maxNoLoadLossW":400}]})";
    const CommandRun run =
        Command("--kva 100 --primary 11000 --secondary 433 --assess --settings '" +
                settings.string() + "' --regime '" + regime.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const json parsed = json::parse(run.out);
    EXPECT_EQ(parsed["kvaRating"], 100);
    const json& assessment = parsed.at("assessment");
    const json& compliance = assessment["compliance"];
    EXPECT_EQ(compliance["regime"], "Mine");
    EXPECT_EQ(compliance["limits"][0]["limit"], 500.0);
    EXPECT_EQ(compliance["pass"], false);  // 500.13 W over 500 W

    assess::AssessmentSettings expected;
    expected.prices.copper = 20;
    expected.tankWallThickness = 0.005;
    const assess::Assessment here = assess::Assess(
        DesignHere({100, 11000, 433, 50, ConnectionType::DeltaStar, 5}), expected, nullptr);
    EXPECT_EQ(assessment["cost"]["material"].get<double>(), here.cost.material);
    EXPECT_EQ(assessment["masses"]["tankSteel"].get<double>(), here.masses.tankSteel);

    // A steel chosen by --rules brings its own price.
    const CommandRun steel = Command(
        "--kva 100 --primary 11000 --secondary 433 --assess --rules steel=crgo-m4-027 "
        "--settings '" +
        settings.string() + "'");
    ASSERT_EQ(steel.status, 0) << steel.err;
    const json steelCost = json::parse(steel.out)["assessment"]["cost"];
    EXPECT_NEAR(steelCost["material"].get<double>() - here.cost.material,
                here.masses.core * (3.0 - 2.5), 1e-9);

    std::ofstream(settings) << R"({"prices":{"copper":"cheap"}})";
    const CommandRun refused = Command(
        "--kva 100 --primary 11000 --secondary 433 --assess "
        "--settings '" +
        settings.string() + "'");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("prices.copper must be a number"), std::string::npos) << refused.err;

    const fs::path csv = folder_ / "ratings.csv";
    std::ofstream(csv) << "kva,primary,secondary,frequency,connection,tapping\n"
                          "100,11000,433,50,Delta-Star,5\n"
                          "63,11000,433,60,Star-Star,0\n";
    const CommandRun batch =
        Command("--batch '" + csv.string() + "' --assess --regime us-doe-2016");
    ASSERT_EQ(batch.status, 0) << batch.err;
    std::istringstream lines(batch.out);
    std::string line;
    for (const bool covered : {false, true}) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(json::parse(line)["assessment"]["compliance"]["covered"], covered) << line;
    }
}

}  // namespace
}  // namespace kestrava
