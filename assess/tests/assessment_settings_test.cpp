#include "assess/assessment_settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "testing/fresh_test_folder.h"

namespace kestrava::assess {
namespace {

std::string Problem(const SettingsOutcome& outcome) {
    return outcome.has_value() ? "(accepted)" : outcome.error();
}

TEST(AssessmentSettingsTest, MembersLeftOutKeepTheirValues) {
    const SettingsOutcome outcome =
        ParseSettings(R"({"prices":{"copper":12.5},"capitalisation":{"loadLossPerW":0}})");
    ASSERT_TRUE(outcome.has_value()) << Problem(outcome);
    const AssessmentSettings& s = *outcome;
    EXPECT_EQ(s.prices.copper, 12.5);
    EXPECT_EQ(s.prices.oil, 1.6);
    EXPECT_EQ(s.prices.tankSteel, 1.2);
    EXPECT_EQ(s.prices.coreSteel, 2.5);
    EXPECT_EQ(s.capitalisation.noLoadLossPerW, 5.0);
    EXPECT_EQ(s.capitalisation.loadLossPerW, 0.0);
    EXPECT_EQ(s.tankWallThickness, 0.004);

    AssessmentSettings base;
    base.prices.coreSteel = 3.1;
    const SettingsOutcome over = ParseSettings(R"({"tankWallThickness":0.006})", base);
    ASSERT_TRUE(over.has_value()) << Problem(over);
    EXPECT_EQ(over->prices.coreSteel, 3.1);
    EXPECT_EQ(over->tankWallThickness, 0.006);
}

TEST(AssessmentSettingsTest, RefusesWhatItCannotUse) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "not JSON"},
        {"{\"prices\":{\"copper\":1}", "not JSON"},
        {"[]", "the settings must be an object"},
        {R"({"price":{}})", "unknown member \"price\" in the settings"},
        {R"({"prices":{"coreSteel":3}})", "unknown member \"coreSteel\" in prices"},
        {R"({"prices":[1,2,3]})", "prices must be an object"},
        {R"({"prices":{"oil":"1.6"}})", "prices.oil must be a number"},
        {R"({"prices":{"oil":null}})", "prices.oil must be a number"},
        {R"({"prices":{"tankSteel":-0.5}})", "prices.tankSteel must be a number not below zero"},
        {R"({"capitalisation":{"noLoadLossPerW":1e999}})", "a number is out of range"},
        {R"({"capitalisation":{"A":5}})", "unknown member \"A\" in capitalisation"},
        {R"({"tankWallThickness":0})", "tankWallThickness must be above 0 m and at most 0.1 m"},
        {R"({"tankWallThickness":4})", "tankWallThickness must be above 0 m and at most 0.1 m"},
        {R"({"tankWallThickness":true})", "tankWallThickness must be a number"},
    };
    for (const auto& [text, problem] : cases) {
        EXPECT_EQ(Problem(ParseSettings(text)).substr(0, std::string(problem).size()), problem)
            << text;
    }
}

TEST(AssessmentSettingsTest, FileProblemsNameTheFile) {
    const auto folder = test_support::FreshTestFolder("kestrava_settings");
    const auto missing = folder / "missing.json";
    EXPECT_EQ(Problem(ReadSettingsFile(missing)),
              "cannot read \"" + missing.string() + "\": No such file or directory");
    EXPECT_EQ(Problem(ReadSettingsFile(folder)).rfind("cannot read \"" + folder.string(), 0), 0u)
        << "a folder is not a settings file";
    const auto bad = folder / "bad.json";
    std::ofstream(bad) << R"({"prices":{"oil":-1}})";
    EXPECT_EQ(Problem(ReadSettingsFile(bad)), std::string(1, '"').append(bad.string()) +
                                                  "\": prices.oil must be a number not below zero");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kestrava::assess
