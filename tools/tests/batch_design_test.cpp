#include "tools/batch_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <variant>
#include <vector>

#include "engine/design_transformer.h"
#include "tools/design_record_json.h"

namespace kestrava {
namespace {

using nlohmann::json;

// Strips of every area from 1 to 3000 mm² in steps of 0.25, so every sensible rating finds one.
std::vector<ConductorStrip> WideStripRows() {
    std::vector<ConductorStrip> rows;
    for (double area = 1.0; area <= 3000.0; area += 0.25) {
        const double thickness = std::sqrt(area / 4.0);
        rows.push_back({area, thickness, 4.0 * thickness});
    }
    return rows;
}

std::vector<std::string> OutputLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::string ExpectedRecordLine(const DesignInputs& inputs, ConductorTableSource& table) {
    const DesignResult result = DesignTransformer(inputs, table);
    std::string line;
    AppendDesignRecordJson(line, result.value());
    return line;
}

class BatchDesignTest : public testing::Test {
  protected:
    BatchOutcome Run(const std::string& csv, unsigned threads = 2) {
        std::istringstream input(csv);
        std::ostringstream output;
        const BatchOutcome outcome = RunDesignBatch(input, output, rows_, threads);
        lines_ = OutputLines(output.str());
        return outcome;
    }
    json ErrorLine(std::size_t index) const {
        const json parsed = json::parse(lines_.at(index));
        EXPECT_EQ(parsed.size(), 2u) << lines_.at(index);
        return parsed;
    }

    std::vector<ConductorStrip> rows_ = WideStripRows();
    InMemoryConductorTable table_{rows_};
    std::vector<std::string> lines_;
};

TEST_F(BatchDesignTest, WritesOneLinePerRatingInInputOrder) {
    const BatchOutcome outcome =
        Run("\xEF\xBB\xBFkva,primary,secondary,frequency,connection,tapping\r\n"
            "100,11000,433,50,Delta-Star,5\r\n"
            "100,11,000,433,50,Delta-Star,5\n"
            "\n"
            "100,11000,433,50,delta-star,5\n"
            "100,11000,433,40000,Star-Star,5\n"
            "100,11000,433,0,Star-Star,5\n"
            "250,6600,415,50.5,Star-Delta,2.5");

    ASSERT_TRUE(outcome.has_value()) << outcome.error();
    EXPECT_EQ(outcome->ratings, 6u);
    EXPECT_EQ(outcome->failed, 4u);
    ASSERT_EQ(lines_.size(), 6u);

    EXPECT_EQ(lines_[0],
              ExpectedRecordLine({100, 11000, 433, 50, ConnectionType::DeltaStar, 5}, table_));
    EXPECT_EQ(ErrorLine(1)["line"], 3);
    EXPECT_EQ(ErrorLine(1)["error"],
              "expected 6 fields (" + std::string(kBatchHeader) + "), found 7");
    EXPECT_EQ(ErrorLine(2)["line"], 5);
    EXPECT_NE(ErrorLine(2)["error"].get<std::string>().find("connection: \"delta-star\""),
              std::string::npos);
    EXPECT_EQ(ErrorLine(3)["line"], 6);
    EXPECT_NE(ErrorLine(3)["error"].get<std::string>().find("frequency: \"40000\" is outside"),
              std::string::npos);
    EXPECT_EQ(ErrorLine(4)["line"], 7);
    EXPECT_EQ(ErrorLine(4)["error"].get<std::string>().rfind("Error: ", 0), 0u);
    EXPECT_EQ(lines_[5],
              ExpectedRecordLine({250, 6600, 415, 50, ConnectionType::StarDelta, 2}, table_));
}

TEST_F(BatchDesignTest, LongLinesBecomeErrorLinesAndTheRestStillDesign) {
    const std::string good = "100,11000,433,50,Delta-Star,5\n";
    const std::string longKva(1000, '7');
    const BatchOutcome outcome = Run(std::string(kBatchHeader) + "\n" + good +
                                     std::string(65536, 'x') + "\r\n" +       // at the limit
                                     std::string(300 * 1024, ',') + "\r\n" +  // over it
                                     good + longKva + "x,11000,433,50,Delta-Star,5\n" +
                                     std::string(65537, 'y') + "\n" + good);

    ASSERT_TRUE(outcome.has_value()) << outcome.error();
    EXPECT_EQ(outcome->ratings, 7u);
    EXPECT_EQ(outcome->failed, 4u);
    ASSERT_EQ(lines_.size(), 7u);
    const std::string record =
        ExpectedRecordLine({100, 11000, 433, 50, ConnectionType::DeltaStar, 5}, table_);
    for (const std::size_t index : {0u, 3u, 6u}) EXPECT_EQ(lines_[index], record) << index;
    EXPECT_EQ(ErrorLine(1),
              (json{{"line", 3},
                    {"error", "expected 6 fields (" + std::string(kBatchHeader) + "), found 1"}}));
    for (const auto& [index, line] : {std::pair{2u, 4}, std::pair{5u, 7}}) {
        EXPECT_EQ(ErrorLine(index),
                  (json{{"line", line}, {"error", "line too long (more than 65536 bytes)"}}));
    }
    EXPECT_EQ(ErrorLine(4),
              (json{{"line", 6},
                    {"error", "kva: \"" + longKva.substr(0, 200) + "...\" is not a number"}}));
}

class BatchThreadsTest : public BatchDesignTest, public testing::WithParamInterface<unsigned> {};

TEST_P(BatchThreadsTest, KeepsInputOrderAcrossChunks) {
    std::string csv = std::string(kBatchHeader) + "\n";
    constexpr int kRatings = 5000;
    for (int i = 0; i < kRatings; ++i) {
        csv += i % 3 == 2 ? "bad,11000,433,50,Star-Star,5\n"
                          : std::to_string(25 + i % 200) + ",11000,433,50,Star-Star,5\n";
    }
    const BatchOutcome outcome = Run(csv, GetParam());
    ASSERT_TRUE(outcome.has_value()) << outcome.error();
    EXPECT_EQ(outcome->ratings, static_cast<std::size_t>(kRatings));
    EXPECT_EQ(outcome->failed, static_cast<std::size_t>(kRatings / 3));
    ASSERT_EQ(lines_.size(), static_cast<std::size_t>(kRatings));
    for (int i = 0; i < kRatings; ++i) {
        const json parsed = json::parse(lines_[static_cast<std::size_t>(i)]);
        if (i % 3 == 2) {
            ASSERT_EQ(parsed["line"], i + 2);
        } else {
            ASSERT_EQ(parsed["kvaRating"], 25 + i % 200) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, BatchThreadsTest, testing::Values(1u, 3u, 8u));

TEST_F(BatchDesignTest, RefusesInputWithoutTheHeader) {
    for (const char* csv :
         {"", "kva,primary,secondary\n100,11000,433\n", "100,11000,433,50,Delta-Star,5\n"}) {
        const BatchOutcome outcome = Run(csv);
        ASSERT_FALSE(outcome.has_value()) << csv;
        EXPECT_NE(outcome.error().find(kBatchHeader), std::string::npos) << csv;
        EXPECT_TRUE(lines_.empty());
    }
}

}  // namespace
}  // namespace kestrava
