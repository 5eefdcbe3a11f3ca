#include "tools/design_rules_text.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/design_record_json.h"

namespace kestrava {
namespace {

TEST(DesignRulesTextTest, ReplacesOnlyTheNamedRules) {
    DesignRules rules = FixedDesignRules(100.0);
    ASSERT_TRUE(ReadDesignRulesText("coreFluxDensity=1.6,steel=hib-023,parallelStrips=2", rules)
                    .has_value());
    EXPECT_EQ(rules.coreFluxDensity, 1.6);
    EXPECT_EQ(rules.steel, "hib-023");
    EXPECT_EQ(rules.parallelStrips, 2);
    EXPECT_EQ(rules.outputConstant, FixedDesignRules(100.0).outputConstant);
    EXPECT_EQ(rules.windowRatio, 2.5);

    std::string json;
    AppendDesignRecordJson(json, DesignRecord{});
    AppendRulesMember(json, rules);
    const auto parsed = nlohmann::json::parse(json);
    EXPECT_EQ(parsed["rules"], (nlohmann::json{{"outputConstant", 0.45},
                                               {"coreFluxDensity", 1.6},
                                               {"spaceFactorNumerator", 10.0},
                                               {"currentDensity", 2.3},
                                               {"windowRatio", 2.5},
                                               {"parallelStrips", 2},
                                               {"steel", "hib-023"}}));
    EXPECT_TRUE(parsed.contains("kvaRating"));
}

TEST(DesignRulesTextTest, RefusesWhatIsNotOneRulePerItem) {
    const struct {
        const char* text;
        const char* refusal;
    } cases[] = {
        {"", "no rules given"},
        {"windowRatio", "\"windowRatio\" is not NAME=VALUE"},
        {"window\x1BRatio", "\"window\\x1BRatio\" is not NAME=VALUE"},
        {"windowRatio=3,", "\"\" is not NAME=VALUE"},
        {"windowRatio=3,windowRatio=4", "windowRatio is given twice"},
        {"windowRatio=3x", "windowRatio needs a number"},
        {"currentDensity= 2", "currentDensity needs a number"},
        {"parallelStrips=1.5", "parallelStrips needs a whole number"},
        {"steel=", "steel needs a name"},
        {"fluxDensity=1.2", "unknown rule \"fluxDensity\""},
    };
    for (const auto& c : cases) {
        DesignRules rules = FixedDesignRules(100.0);
        const auto read = ReadDesignRulesText(c.text, rules);
        ASSERT_FALSE(read.has_value()) << c.text;
        EXPECT_EQ(read.error(), c.refusal) << c.text;
    }
}

}  // namespace
}  // namespace kestrava
