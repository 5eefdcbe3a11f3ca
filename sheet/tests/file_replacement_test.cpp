#include "sheet/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <vector>

#include "testing/fresh_test_folder.h"

namespace kestrava {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNewText = "new contents\r\n";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// What stands at the target name before the save, and where the new text must end up.
struct TargetCase {
    const char* name;
    std::function<void(const fs::path& folder)> prepare;
    std::string target;       // the name saved to
    std::string written;      // the name that must hold the new text afterwards
    bool targetStaysSymlink;  // the saved-to name is still a link afterwards
};

class FileReplacementTest : public testing::TestWithParam<TargetCase> {};

TEST_P(FileReplacementTest, NewTextLandsInTheRightFileAndNoTemporaryRemains) {
    const TargetCase& c = GetParam();
    const fs::path folder = test_support::FreshTestFolder("kestrava_replace");
    c.prepare(folder);
    const std::vector<std::string> before = Entries(folder);

    ASSERT_TRUE(ReplaceFileBytes(folder / c.target, kNewText).has_value());

    EXPECT_EQ(ReadBytes(folder / c.written), kNewText);
    EXPECT_EQ(fs::is_symlink(folder / c.target), c.targetStaysSymlink);
    std::vector<std::string> expected = before;
    for (const std::string& name : {c.target, c.written}) {
        if (name.find('/') == std::string::npos &&
            std::find(expected.begin(), expected.end(), name) == expected.end()) {
            expected.push_back(name);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(folder), expected);
    fs::remove_all(folder);
}

const std::string kLongName = std::string(251, 'n') + ".txt";

INSTANTIATE_TEST_SUITE_P(
    Targets, FileReplacementTest,
    testing::Values(
        TargetCase{"NewName", [](const fs::path&) {}, "sheet.txt", "sheet.txt", false},
        TargetCase{"LongestLegalName", [](const fs::path&) {}, kLongName, kLongName, false},
        TargetCase{"ExistingFile",
                   [](const fs::path& f) { WriteText(f / "sheet.txt", std::string(9000, 'x')); },
                   "sheet.txt", "sheet.txt", false},
        TargetCase{"SymlinkIntoASubfolder",
                   [](const fs::path& f) {
                       fs::create_directory(f / "real");
                       WriteText(f / "real" / "sheet.txt", "old");
                       fs::create_symlink("real/sheet.txt", f / "link.txt");
                   },
                   "link.txt", "real/sheet.txt", true},
        TargetCase{"DanglingSymlink",
                   [](const fs::path& f) { fs::create_symlink("made.txt", f / "link.txt"); },
                   "link.txt", "made.txt", true},
        TargetCase{"ChainOfSymlinks",
                   [](const fs::path& f) {
                       WriteText(f / "end.txt", "old");
                       fs::create_symlink("end.txt", f / "middle.txt");
                       fs::create_symlink(f / "middle.txt", f / "first.txt");
                   },
                   "first.txt", "end.txt", true}),
    [](const testing::TestParamInfo<TargetCase>& param) { return param.param.name; });

class FileReplacementFolderTest : public testing::Test {
  protected:
    void SetUp() override { folder_ = test_support::FreshTestFolder("kestrava_replace"); }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(FileReplacementFolderTest, KeepsTheModeOfAReplacedFileAndGivesANewOneTheUmaskDefault) {
    const fs::path kept = folder_ / "kept.txt";
    WriteText(kept, "old");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path fresh = folder_ / "fresh.txt";
    WriteText(folder_ / "reference.txt", "");  // created by the stream under the same umask

    ASSERT_TRUE(ReplaceFileBytes(kept, kNewText).has_value());
    ASSERT_TRUE(ReplaceFileBytes(fresh, kNewText).has_value());

    EXPECT_EQ(fs::status(kept).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(fs::status(fresh).permissions(), fs::status(folder_ / "reference.txt").permissions());
}

TEST_F(FileReplacementFolderTest, APipeIsWrittenIntoAndStaysAPipe) {
    const fs::path pipe = folder_ / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::future<std::string> reader =
        std::async(std::launch::async, [&pipe] { return ReadBytes(pipe); });

    ASSERT_TRUE(ReplaceFileBytes(pipe, kNewText).has_value());

    EXPECT_EQ(reader.get(), kNewText);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(Entries(folder_), std::vector<std::string>{"pipe"});
}

TEST_F(FileReplacementFolderTest, AFailedWriterLeavesTheOldFileAndNoTemporary) {
    const fs::path file = folder_ / "model.step";
    WriteText(file, "good model");
    fs::path writtenTo;

    const FileReplaced failure = ReplaceFile(file, [&writtenTo](int, const fs::path& path) {
        writtenTo = path;
        WriteText(path, "half a mod");
        errno = 0;
        return false;
    });

    ASSERT_FALSE(failure.has_value());
    EXPECT_EQ(failure.error().action, "write");
    EXPECT_EQ(DescribeFileFailure(failure.error(), "the model", file),
              "Cannot write the model \"" + file.string() + "\"");
    EXPECT_EQ(writtenTo.parent_path(), folder_);
    EXPECT_LT(writtenTo.filename().string().size(), 20u);
    EXPECT_EQ(ReadBytes(file), "good model");
    EXPECT_EQ(Entries(folder_), std::vector<std::string>{"model.step"});
}

TEST_F(FileReplacementFolderTest, AFolderInThePlaceOfTheFileIsRefusedWithTheReason) {
    fs::create_directory(folder_ / "taken");
    const FileReplaced failure = ReplaceFileBytes(folder_ / "taken", kNewText);
    ASSERT_FALSE(failure.has_value());
    EXPECT_EQ(DescribeFileFailure(failure.error(), "the sheet", folder_ / "taken"),
              "Cannot create the sheet \"" + (folder_ / "taken").string() + "\": Is a directory");
    EXPECT_EQ(Entries(folder_), std::vector<std::string>{"taken"});
}

}  // namespace
}  // namespace kestrava
