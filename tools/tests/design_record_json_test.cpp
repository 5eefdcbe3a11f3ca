#include "tools/design_record_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "engine/design_record_fields.h"

namespace kestrava {
namespace {

using nlohmann::json;

json ParsedRecord(const DesignRecord& record) {
    std::string text;
    AppendDesignRecordJson(text, record);
    return json::parse(text);
}

// Distinct values that need all 17 digits, or the extremes, to come back unchanged.
DesignRecord RecordWithAwkwardValues() {
    DesignRecord record;
    double seed = 0.1;
#define KESTRAVA_FILL_FIELD(name) \
    record.name = seed / 3.0;     \
    seed = seed * 7.3 + 0.017;
    KESTRAVA_DESIGN_RECORD_DOUBLE_FIELDS(KESTRAVA_FILL_FIELD)
#undef KESTRAVA_FILL_FIELD
    record.kvaRating = 1e300;
    record.flux = std::numeric_limits<double>::denorm_min();
    record.puReactance = -2.5e-7;
    record.frequency = -32768;
    record.tapping = 32767;
    record.hvCoilCount = 4;
    record.hvLayerCount = 12;
    record.connectionType = ConnectionType::StarDelta;
    record.tableFound = true;
    return record;
}

TEST(DesignRecordJsonTest, EveryFieldRoundTripsUnderItsName) {
    const DesignRecord record = RecordWithAwkwardValues();
    const json parsed = ParsedRecord(record);

    std::size_t doubles = 0;
    ForEachDoubleField(record, [&](std::string_view name, double value) {
        ++doubles;
        const auto field = parsed.find(std::string(name));
        ASSERT_NE(field, parsed.end()) << name;
        EXPECT_EQ(field->get<double>(), value) << name;
    });
    EXPECT_EQ(parsed.size(), doubles + 8);
    EXPECT_EQ(parsed["frequency"], -32768);
    EXPECT_EQ(parsed["tapping"], 32767);
    EXPECT_EQ(parsed["hvCoilCount"], 4);
    EXPECT_EQ(parsed["hvLayerCount"], 12);
    EXPECT_EQ(parsed["connectionType"], "Star-Delta");
    EXPECT_EQ(parsed["engineError"], false);
    EXPECT_EQ(parsed["tableFound"], true);
}

TEST(DesignRecordJsonTest, NonFiniteValuesBecomeNullAndConsistencyFollowsTheClearances) {
    DesignRecord record;
    record.efficiency = std::numeric_limits<double>::quiet_NaN();
    record.tankHeight = -std::numeric_limits<double>::infinity();
    json parsed = ParsedRecord(record);
    EXPECT_TRUE(parsed["efficiency"].is_null());
    EXPECT_TRUE(parsed["tankHeight"].is_null());
    EXPECT_EQ(parsed["consistent"], true);  // clearances of exactly 0 fit

    record.hvCoilClearance = -0.1;
    EXPECT_EQ(ParsedRecord(record)["consistent"], false);
}

struct StringCase {
    std::string text;
    std::string parsedBack;
};

class JsonStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(JsonStringTest, ParsesBackToTheText) {
    std::string out;
    AppendJsonString(out, GetParam().text);
    EXPECT_EQ(json::parse(out).get<std::string>(), GetParam().parsedBack) << out;
}

INSTANTIATE_TEST_SUITE_P(Texts, JsonStringTest,
                         testing::Values(StringCase{"Delta-Star", "Delta-Star"}, StringCase{"", ""},
                                         StringCase{"say \"11\\000\"", "say \"11\\000\""},
                                         StringCase{"Out of range!\r\nValue\t\x01\x1f\x7f",
                                                    "Out of range!\r\nValue\t\x01\x1f\x7f"},
                                         StringCase{"caf\xC3\xA9 \xD0\x96 \xF0\x9F\x98\x80",
                                                    "caf\xC3\xA9 \xD0\x96 \xF0\x9F\x98\x80"},
                                         StringCase{"bad \xFF\xC3 end",
                                                    "bad \xEF\xBF\xBD\xEF\xBF\xBD end"}));

TEST(BatchErrorJsonTest, CarriesLineAndMessage) {
    std::string out;
    AppendBatchErrorJson(out, 42, "kva: \"x\" is not a number");
    const json parsed = json::parse(out);
    EXPECT_EQ(parsed, (json{{"line", 42}, {"error", "kva: \"x\" is not a number"}}));
}

}  // namespace
}  // namespace kestrava
