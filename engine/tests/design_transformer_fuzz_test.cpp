#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "engine/design_record_fields.h"
#include "engine/design_transformer.h"
#include "engine/tests/design_test_support.h"

namespace kestrava {
namespace {

// A real drawn from the values that break arithmetic as often as from ordinary ratings.
double RandomReal(std::mt19937& random, double typicalMax) {
    static constexpr double kSpecial[] = {0.0,
                                          -0.0,
                                          -1.0,
                                          1e-300,
                                          -1e-300,
                                          1e300,
                                          -1e300,
                                          1e154,
                                          750.0,
                                          2250.0,
                                          3750.0,
                                          -30000.0,
                                          std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::quiet_NaN(),
                                          std::numeric_limits<double>::max(),
                                          std::numeric_limits<double>::denorm_min()};
    std::uniform_int_distribution<int> kind(0, 3);
    switch (kind(random)) {
        case 0: {
            std::uniform_int_distribution<std::size_t> pick(0, std::size(kSpecial) - 1);
            return kSpecial[pick(random)];
        }
        case 1:
            return std::uniform_real_distribution<double>(-typicalMax, typicalMax)(random);
        case 2: {
            const double exponent = std::uniform_real_distribution<double>(-300, 300)(random);
            return std::pow(10.0, exponent);
        }
        default:
            return std::uniform_real_distribution<double>(0, typicalMax)(random);
    }
}

std::int16_t RandomInt16(std::mt19937& random) {
    static constexpr std::int16_t kSpecial[] = {0, 1, -1, 50, 5, -100, 32767, -32768};
    std::bernoulli_distribution special(0.5);
    if (special(random)) {
        std::uniform_int_distribution<std::size_t> pick(0, std::size(kSpecial) - 1);
        return kSpecial[pick(random)];
    }
    return static_cast<std::int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(random));
}

ConnectionType RandomConnection(std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> pick(0, kConnectionTypes.size() - 1);
    return kConnectionTypes[pick(random)];
}

TEST(DesignTransformerPropertyTest, EveryRunGivesAPossibleRecordOrAReportedFailure) {
    std::mt19937 random(1897);
    InMemoryConductorTable table = testing_support::WideStripTable();
    int records = 0;
    for (int i = 0; i < 30000; ++i) {
        const DesignInputs inputs{RandomReal(random, 3000), RandomReal(random, 66000),
                                  RandomReal(random, 3300), RandomInt16(random),
                                  RandomConnection(random), RandomInt16(random)};
        const DesignResult result = DesignTransformer(inputs, table);
        if (result.has_value()) {
            const DesignRecord* record = &result.value();
            ++records;
            EXPECT_TRUE(record->tableFound);
            EXPECT_FALSE(record->engineError);
            EXPECT_GT(record->hvCoilCount, 0);
            EXPECT_GT(record->hvLayerCount, 0);
            ForEachDoubleField(*record, [&](std::string_view name, double value) {
                const bool mayBeZeroOrBelow = name.ends_with("Clearance") || name == "kvaRating" ||
                                              name == "primaryVoltage" ||
                                              name == "secondaryVoltage";
                EXPECT_TRUE(std::isfinite(value) && (value > 0 || mayBeZeroOrBelow))
                    << name << " = " << value << " for " << inputs.kvaRating << " kVA, "
                    << inputs.primaryVoltage << " V / " << inputs.secondaryVoltage << " V, "
                    << inputs.frequency << " Hz, tapping " << inputs.tapping;
            });
        } else {
            const std::string& message = result.error().message;
            EXPECT_TRUE(message.starts_with("Error: ") || message.starts_with("Out of range!"))
                << message;
        }
    }
    EXPECT_GT(records, 100) << "the generator should also produce working designs";
}

}  // namespace
}  // namespace kestrava
