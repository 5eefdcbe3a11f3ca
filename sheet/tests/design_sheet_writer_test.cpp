#include "sheet/design_sheet_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sheet/tests/sample_design_record.h"
#include "testing/fresh_test_folder.h"

namespace kestrava {
namespace {

namespace fs = std::filesystem;
using testing_records::SampleDesignRecord;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The lines of a sheet without their CR LF; fails the test when a line ends otherwise.
std::vector<std::string> SplitLines(const std::string& sheet) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < sheet.size()) {
        const std::size_t end = sheet.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text after the last CR LF: " << sheet.substr(start);
            break;
        }
        lines.push_back(sheet.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

RatingTexts TextsFor(ConnectionType connectionType) {
    return {.primary = "11 000",
            .secondary = "433",
            .connection = std::string(ConnectionName(connectionType))};
}

struct GoldenCase {
    const char* name;
    ConnectionType connectionType;
    const char* file;
    std::size_t lineCount;
};

class GoldenSheetTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenSheetTest, MatchesCheckedInBytes) {
    const GoldenCase& c = GetParam();
    const std::string golden = ReadBytes(fs::path(KESTRAVA_SHEET_GOLDEN_DIR) / c.file);
    ASSERT_FALSE(golden.empty()) << c.file;

    const std::string sheet =
        FormatDesignSheet(SampleDesignRecord(c.connectionType), TextsFor(c.connectionType));

    EXPECT_EQ(sheet, golden);
    EXPECT_EQ(SplitLines(sheet).size(), c.lineCount);
    EXPECT_EQ(std::count(sheet.begin(), sheet.end(), '\n'),
              std::count(sheet.begin(), sheet.end(), '\r'));
}

INSTANTIATE_TEST_SUITE_P(
    Connections, GoldenSheetTest,
    testing::Values(GoldenCase{"DeltaStar", ConnectionType::DeltaStar, "sheet_delta_star.txt", 135},
                    GoldenCase{"StarDelta", ConnectionType::StarDelta, "sheet_star_delta.txt", 135},
                    GoldenCase{"StarStar", ConnectionType::StarStar, "sheet_star_star.txt", 135},
                    GoldenCase{"DeltaDelta", ConnectionType::DeltaDelta, "sheet_delta_delta.txt",
                               135}),
    [](const testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

TEST(DesignSheetTest, OnlyTheDegreeAndFluxSignsAreAboveAscii) {
    const std::vector<std::string> lines = SplitLines(FormatDesignSheet(
        SampleDesignRecord(ConnectionType::DeltaStar), TextsFor(ConnectionType::DeltaStar)));
    ASSERT_EQ(lines.size(), 135u);

    std::vector<std::pair<std::size_t, unsigned char>> highBytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const char c : lines[i]) {
            if (static_cast<unsigned char>(c) > 0x7F) {
                highBytes.emplace_back(i + 1, static_cast<unsigned char>(c));
            }
        }
    }
    const std::vector<std::pair<std::size_t, unsigned char>> expected = {{35, 0xD8}, {98, 0xB0}};
    EXPECT_EQ(highBytes, expected);
    EXPECT_EQ(lines[34].substr(0, 8), "Flux\t\t\t\xD8");
    EXPECT_EQ(lines[97].substr(0, 20),
              "Resistance at 75\xB0"
              "C \t");
}

TEST(DesignSheetTest, TypedTextsAreConvertedToWindows1252) {
    const RatingTexts texts{
        .primary = "11\xE2\x82\xAC", .secondary = "caf\xC3\xA9", .connection = "Delta-\xD0\x96"};
    const std::vector<std::string> lines =
        SplitLines(FormatDesignSheet(SampleDesignRecord(ConnectionType::DeltaStar), texts));
    ASSERT_EQ(lines.size(), 135u);
    EXPECT_EQ(lines[3], "KVA 100\tPhase 3\tFrequency--50Hz\tDelta-?");
    EXPECT_EQ(lines[5], "\tH.V. - 11\x80 V ,");
    EXPECT_EQ(lines[6], "\tL.V. - caf\xE9 V");
}

TEST(DesignSheetTest, WholeTurnFiguresRoundHalfToEven) {
    DesignRecord record = SampleDesignRecord(ConnectionType::StarStar);
    record.lvTurnsPerPhase = 43;
    record.hvTurnsPerLayer = 63.5;
    record.hvLayers = 3.5;
    const std::vector<std::string> lines =
        SplitLines(FormatDesignSheet(record, TextsFor(ConnectionType::StarStar)));
    ASSERT_EQ(lines.size(), 135u);
    EXPECT_EQ(lines[88], "Turns per layer\t\t\t15.3333\t\t64");
    EXPECT_EQ(lines[89], "Number of layers\t\t\t3\t\t\t4");
}

class SheetFileTest : public testing::Test {
  protected:
    void SetUp() override { folder_ = kestrava::test_support::FreshTestFolder("kestrava_sheet"); }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static void WriteText(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path folder_;
    DesignRecord record_ = SampleDesignRecord(ConnectionType::DeltaStar);
    RatingTexts texts_ = TextsFor(ConnectionType::DeltaStar);
};

TEST_F(SheetFileTest, ReplacesALongerFileWhole) {
    const fs::path sheet = folder_ / "Design Sheet.txt";
    WriteText(sheet, std::string(20000, 'x'));
    fs::permissions(sheet, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(WriteDesignSheet(sheet, record_, texts_).has_value());
    ASSERT_TRUE(WriteDesignSheet(sheet, record_, texts_).has_value());

    EXPECT_EQ(ReadBytes(sheet), FormatDesignSheet(record_, texts_));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Design Sheet.txt"});
    EXPECT_EQ(fs::status(sheet).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SheetFileTest, MissingFolderIsReportedWithPathAndReason) {
    const fs::path sheet = folder_ / "no such folder" / "sheet.txt";
    const auto written = WriteDesignSheet(sheet, record_, texts_);
    ASSERT_FALSE(written.has_value());
    const std::string* failure = &written.error();
    EXPECT_NE(failure->find(sheet.string()), std::string::npos) << *failure;
    EXPECT_NE(failure->find("No such file or directory"), std::string::npos) << *failure;
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(SheetFileTest, FolderInPlaceOfTheFileIsLeftAloneAndNoTemporaryRemains) {
    const fs::path sheet = folder_ / "taken";
    fs::create_directory(sheet);
    WriteText(sheet / "inside.txt", "keep");

    const auto written = WriteDesignSheet(sheet, record_, texts_);
    ASSERT_FALSE(written.has_value());
    const std::string* failure = &written.error();
    EXPECT_NE(failure->find(sheet.string()), std::string::npos) << *failure;
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"taken"});
    EXPECT_EQ(ReadBytes(sheet / "inside.txt"), "keep");
}

TEST_F(SheetFileTest, ReadOnlyFolderLeavesTheOldSheetUntouched) {
    const fs::path sheet = folder_ / "sheet.txt";
    WriteText(sheet, "old sheet");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(folder_.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user may write into read-only folders";
    }

    const auto written = WriteDesignSheet(sheet, record_, texts_);
    ASSERT_FALSE(written.has_value());
    const std::string* failure = &written.error();
    EXPECT_NE(failure->find(sheet.string()), std::string::npos) << *failure;
    EXPECT_NE(failure->find("Permission denied"), std::string::npos) << *failure;
    EXPECT_EQ(ReadBytes(sheet), "old sheet");
}

}  // namespace
}  // namespace kestrava
