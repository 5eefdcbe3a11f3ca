#include "engine/design_transformer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/tests/design_test_support.h"

namespace kestrava {
namespace {

using testing_support::WideStripTable;
using testing_support::WorkedExampleInputs;

// Expects 'actual' to print as 'printed': within half a unit of the printed last decimal.
void ExpectPrinted(const char* name, double actual, const char* printed) {
    const char* point = std::strchr(printed, '.');
    const auto decimals = point ? static_cast<int>(std::strlen(point + 1)) : 0;
    const double tolerance = 0.5001 * std::pow(10.0, -decimals);
    EXPECT_NEAR(actual, std::strtod(printed, nullptr), tolerance) << name;
}
#define EXPECT_PRINTED(field, printed) ExpectPrinted(#field, record.field, printed)

DesignRecord RunExpectingRecord(const DesignInputs& inputs, ConductorTableSource& table) {
    DesignResult result = DesignTransformer(inputs, table);
    if (!result.has_value()) {
        ADD_FAILURE() << "run failed: " << result.error().message;
        return {};
    }
    return std::move(result).value();
}

DesignRecord RunExpectingRecord(const DesignInputs& inputs) {
    InMemoryConductorTable table = WideStripTable();
    return RunExpectingRecord(inputs, table);
}

// The worked example's required L.V. area, 57.97272 mm², matches this table's 57.97 row.
InMemoryConductorTable WorkedExampleTable() {
    return InMemoryConductorTable({{50.0, 3.15, 16.0}, {57.97, 3.55, 16.33}, {60.0, 3.75, 16.0}});
}

TEST(DesignTransformerWorkedExample, CoreYokeWindowAndFrame) {
    InMemoryConductorTable table = WorkedExampleTable();
    const DesignRecord record = RunExpectingRecord(WorkedExampleInputs(), table);
    EXPECT_PRINTED(lvLayers, "3");
    EXPECT_PRINTED(outputConstant, "0.435");
    EXPECT_PRINTED(coreFluxDensity, "1.25");
    EXPECT_PRINTED(windowSpaceFactor, "0.2439024");
    EXPECT_PRINTED(currentDensity, "2.3");
    EXPECT_PRINTED(voltagePerTurn, "4.35");
    EXPECT_PRINTED(flux, "0.01959459");
    EXPECT_PRINTED(netIronArea, "15675.68");
    EXPECT_PRINTED(circumscribingCircleDiameter, "167.3089");
    EXPECT_PRINTED(coreStepWidthA, "142.2126");
    EXPECT_PRINTED(coreStepWidthB, "88.67373");
    EXPECT_PRINTED(windowArea, "58219.87");
    EXPECT_PRINTED(windowWidth, "152.6039");
    EXPECT_PRINTED(windowHeight, "381.5097");
    EXPECT_PRINTED(adjacentLimbDistance, "319.9128");
    EXPECT_PRINTED(yokeFluxDensity, "1.041667");
    EXPECT_PRINTED(netYokeArea, "18810.81");
    EXPECT_PRINTED(yokeHeight, "142.2126");
    EXPECT_PRINTED(yokeDepth, "142.2126");
    EXPECT_PRINTED(frameHeight, "665.9349");
    EXPECT_PRINTED(frameWidth, "782.0382");
}

TEST(DesignTransformerWorkedExample, Windings) {
    InMemoryConductorTable table = WorkedExampleTable();
    const DesignRecord record = RunExpectingRecord(WorkedExampleInputs(), table);
    EXPECT_TRUE(record.tableFound);
    EXPECT_FALSE(record.engineError);
    EXPECT_PRINTED(lvPhaseVoltage, "249.9927");
    EXPECT_PRINTED(secondaryVoltage, "249.9927");
    EXPECT_PRINTED(primaryVoltage, "11000");
    EXPECT_PRINTED(lvTurnsPerPhase, "57.46958");
    EXPECT_PRINTED(lvPhaseCurrent, "133.3372");
    // The 57.97 row was chosen: its width lies along the axis, its thickness radially.
    EXPECT_EQ(record.lvConductorAxialDepth, 16.33);
    EXPECT_EQ(record.lvConductorRadialDepth, 3.55);
    EXPECT_PRINTED(lvConductorArea, "57.9715");
    EXPECT_PRINTED(hvPhaseCurrent, "3.030303");
    EXPECT_PRINTED(hvTurnsPerPhase, "2655.172");
    EXPECT_EQ(record.hvCoilCount, 7);
    EXPECT_PRINTED(hvTurnsPerCoil, "379.3103");
    EXPECT_EQ(record.hvLayerCount, 25);
    EXPECT_PRINTED(hvTurnsPerLayer, "14.94253");
    EXPECT_PRINTED(hvLayers, "25.3846");
    EXPECT_PRINTED(hvConductorArea, "1.317523");
    EXPECT_PRINTED(hvConductorDiameter, "1.295192");
    EXPECT_PRINTED(hvCoilHeight, "23.08908");
    EXPECT_PRINTED(hvWindingHeight, "196.6235");
    EXPECT_PRINTED(hvWindingDepth, "45.82980");
    EXPECT_PRINTED(lvHvInsulationThickness, "14.9");
}

TEST(DesignTransformerWorkedExample, LossesAndTank) {
    InMemoryConductorTable table = WorkedExampleTable();
    const DesignRecord record = RunExpectingRecord(WorkedExampleInputs(), table);
    EXPECT_PRINTED(coreSpecificIronLoss, "1.7");
    ExpectPrinted("limb weight", record.coreIronLoss / record.coreSpecificIronLoss, "136.3536");
    EXPECT_PRINTED(coreIronLoss, "231.8012");
    EXPECT_PRINTED(yokeWeight, "223.6038");
    EXPECT_PRINTED(yokeSpecificIronLoss, "1.2");
    EXPECT_PRINTED(yokeIronLoss, "268.3245");
    EXPECT_PRINTED(totalCoreLoss, "500.1257");
    EXPECT_PRINTED(oilLevel, "0.1922126");
    EXPECT_GT(record.efficiency, 95.0);
    EXPECT_LT(record.efficiency, 100.0);
    EXPECT_GT(record.puImpedance, record.puReactance);
}

struct RatingClassCase {
    double kva;
    double fluxDensity;
    double spaceFactorNumerator;
    double currentDensity;
    double outputConstant;
    double coreSpecificIronLoss;
    double yokeSpecificIronLoss;
};

class RatingClassTest : public testing::TestWithParam<RatingClassCase> {};

TEST_P(RatingClassTest, LimitsBelongToTheLowerClass) {
    const RatingClassCase& c = GetParam();
    DesignInputs inputs = WorkedExampleInputs();
    inputs.kvaRating = c.kva;
    const DesignRecord record = RunExpectingRecord(inputs);
    EXPECT_EQ(record.coreFluxDensity, c.fluxDensity);
    EXPECT_DOUBLE_EQ(record.windowSpaceFactor, c.spaceFactorNumerator / 41.0);
    EXPECT_EQ(record.currentDensity, c.currentDensity);
    EXPECT_DOUBLE_EQ(record.outputConstant, c.outputConstant);
    EXPECT_EQ(record.coreSpecificIronLoss, c.coreSpecificIronLoss);
    EXPECT_EQ(record.yokeSpecificIronLoss, c.yokeSpecificIronLoss);
}

INSTANTIATE_TEST_SUITE_P(Ratings, RatingClassTest,
                         testing::Values(RatingClassCase{10, 1.0, 8, 2.3, 0.435, 1.2, 0.85},
                                         RatingClassCase{25, 1.0, 8, 2.3, 0.435, 1.2, 0.85},
                                         RatingClassCase{25.001, 1.1, 9, 2.3, 0.435, 1.3, 1.0},
                                         RatingClassCase{50, 1.1, 9, 2.3, 0.435, 1.3, 1.0},
                                         RatingClassCase{50.001, 1.25, 10, 2.3, 0.435, 1.7, 1.2},
                                         RatingClassCase{200, 1.25, 10, 2.3, 0.435, 1.7, 1.2},
                                         RatingClassCase{200.001, 1.4, 12, 2.8, 0.635, 2.3, 1.6},
                                         RatingClassCase{250, 1.4, 12, 2.8, 0.635, 2.3, 1.6}));

struct ConnectionCase {
    ConnectionType connection;
    double hvPhaseVoltage;
    double lvPhaseVoltage;
};

class ConnectionTest : public testing::TestWithParam<ConnectionCase> {};

TEST_P(ConnectionTest, StarSidesCarryLineVoltageOverRootThree) {
    const ConnectionCase& c = GetParam();
    DesignInputs inputs = WorkedExampleInputs();
    inputs.connectionType = c.connection;
    const DesignRecord record = RunExpectingRecord(inputs);
    EXPECT_NEAR(record.primaryVoltage, c.hvPhaseVoltage, 1e-9);
    EXPECT_NEAR(record.secondaryVoltage, c.lvPhaseVoltage, 1e-9);
    EXPECT_EQ(record.lvPhaseVoltage, record.secondaryVoltage);
    EXPECT_EQ(record.connectionType, c.connection);
    EXPECT_NEAR(record.hvPhaseCurrent * record.primaryVoltage * 3, 100000.0, 1e-6);
    EXPECT_NEAR(record.lvPhaseCurrent * record.secondaryVoltage * 3, 100000.0, 1e-6);
}

const double kRoot3 = std::sqrt(3.0);
INSTANTIATE_TEST_SUITE_P(
    Connections, ConnectionTest,
    testing::Values(ConnectionCase{ConnectionType::DeltaStar, 11000, 433 / kRoot3},
                    ConnectionCase{ConnectionType::StarDelta, 11000 / kRoot3, 433},
                    ConnectionCase{ConnectionType::StarStar, 11000 / kRoot3, 433 / kRoot3},
                    ConnectionCase{ConnectionType::DeltaDelta, 11000, 433}));

TEST(DesignTransformerTest, CoilCountRoundsHalfToEven) {
    const struct {
        double hvPhaseVoltage;
        std::int16_t coils;
    } cases[] = {{751, 1}, {2250, 2}, {3750, 2}, {3751, 3}, {5250, 4}, {6350.85, 4}, {11000, 7}};
    for (const auto& c : cases) {
        DesignInputs inputs = WorkedExampleInputs();
        inputs.connectionType = ConnectionType::DeltaDelta;
        inputs.primaryVoltage = c.hvPhaseVoltage;
        EXPECT_EQ(RunExpectingRecord(inputs).hvCoilCount, c.coils) << c.hvPhaseVoltage << " V";
    }
}

TEST(DesignTransformerTest, TappingAddsTurnsButNotCoilsOrCoilHeight) {
    DesignInputs inputs = WorkedExampleInputs();
    inputs.tapping = 0;
    const DesignRecord principal = RunExpectingRecord(inputs);
    inputs.tapping = 5;
    const DesignRecord tapped = RunExpectingRecord(inputs);

    EXPECT_DOUBLE_EQ(tapped.hvTurnsPerPhase, principal.hvTurnsPerPhase * 1.05);
    EXPECT_DOUBLE_EQ(tapped.hvTurnsPerCoil, principal.hvTurnsPerCoil * 1.05);
    EXPECT_EQ(principal.hvLayerCount, 24);
    EXPECT_EQ(tapped.hvLayerCount, 25);
    EXPECT_GT(tapped.hvWindingDepth, principal.hvWindingDepth);
    EXPECT_GT(tapped.hvOutsideDiameter, principal.hvOutsideDiameter);

    EXPECT_EQ(tapped.hvCoilCount, principal.hvCoilCount);
    EXPECT_EQ(tapped.hvTurnsPerLayer, principal.hvTurnsPerLayer);
    EXPECT_EQ(tapped.hvCoilHeight, principal.hvCoilHeight);
    EXPECT_EQ(tapped.hvWindingHeight, principal.hvWindingHeight);
    EXPECT_EQ(tapped.hvPhaseCurrent, principal.hvPhaseCurrent);
    // The resistance counts the principal-tap turns; only the longer mean turn raises it.
    EXPECT_NEAR(tapped.hvResistance75 / principal.hvResistance75,
                tapped.hvMeanTurnLength / principal.hvMeanTurnLength, 1e-12);
}

struct FailureCase {
    const char* name;
    DesignInputs inputs;
    DesignFailure::Kind kind;
    const char* message;
};

DesignInputs Change(void (*change)(DesignInputs&)) {
    DesignInputs inputs = WorkedExampleInputs();
    change(inputs);
    return inputs;
}

class DesignFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(DesignFailureTest, EndsTheRunWithItsMessage) {
    const FailureCase& c = GetParam();
    InMemoryConductorTable table = WorkedExampleTable();
    const DesignResult result = DesignTransformer(c.inputs, table);
    ASSERT_FALSE(result.has_value()) << "a record was returned";
    EXPECT_EQ(result.error().kind, c.kind);
    EXPECT_EQ(result.error().message, c.message);
}

using Kind = DesignFailure::Kind;
constexpr const char* kDivisionByZero = "Error: Division by zero";
constexpr const char* kNegativeRoot =
    "Error: Invalid procedure call or argument (square root of a negative number)";

INSTANTIATE_TEST_SUITE_P(
    Ratings, DesignFailureTest,
    testing::Values(
        FailureCase{"FrequencyZero", Change([](DesignInputs& i) { i.frequency = 0; }),
                    Kind::RunTimeError, kDivisionByZero},
        FailureCase{"KvaZero", Change([](DesignInputs& i) { i.kvaRating = 0; }), Kind::RunTimeError,
                    kDivisionByZero},
        FailureCase{"KvaNegative", Change([](DesignInputs& i) { i.kvaRating = -100; }),
                    Kind::RunTimeError, kNegativeRoot},
        FailureCase{"FrequencyNegative", Change([](DesignInputs& i) { i.frequency = -50; }),
                    Kind::RunTimeError, kNegativeRoot},
        FailureCase{"HvPhaseVoltage750", Change([](DesignInputs& i) { i.primaryVoltage = 750; }),
                    Kind::RunTimeError, kDivisionByZero},
        FailureCase{"LvVoltageZero", Change([](DesignInputs& i) { i.secondaryVoltage = 0; }),
                    Kind::RunTimeError, kDivisionByZero},
        FailureCase{"SpaceFactorDenominatorZero",
                    Change([](DesignInputs& i) { i.primaryVoltage = -30000; }), Kind::RunTimeError,
                    kDivisionByZero},
        FailureCase{"KvaHuge", Change([](DesignInputs& i) { i.kvaRating = 1e305; }),
                    Kind::RunTimeError, "Error: Overflow"},
        FailureCase{"KvaInfinite", Change([](DesignInputs& i) { i.kvaRating = INFINITY; }),
                    Kind::RunTimeError,
                    "Error: Invalid procedure call or argument (a rating is not a finite number)"},
        FailureCase{"TappingCancelsTheHvTurns", Change([](DesignInputs& i) { i.tapping = -100; }),
                    Kind::RunTimeError, "Error: Impossible design: hvTurnsPerPhase = 0"},
        FailureCase{"TappingMostNegative", Change([](DesignInputs& i) { i.tapping = -32768; }),
                    Kind::RunTimeError,
                    "Error: Impossible design: hvTurnsPerPhase = -826087.356321839"},
        FailureCase{"AreaAboveEveryRow", Change([](DesignInputs& i) { i.kvaRating = 150; }),
                    Kind::ConductorNotFound,
                    "Out of range!\r\nValue not found in Conductor Dimension Table(IS 1897-1962)."},
        FailureCase{"FirstRowAboveArea", Change([](DesignInputs& i) { i.kvaRating = 50; }),
                    Kind::RunTimeError,
                    "Error: No current record (the first row of the conductor table is already "
                    "larger than the required area)"}),
    [](const testing::TestParamInfo<FailureCase>& param) { return std::string(param.param.name); });

class BrokenTable final : public ConductorTableSource {
  public:
    ConductorRows OpenRows() override { return Fail(std::string("no such table: CopStripSize")); }
};

TEST(DesignTransformerTest, DataLayerFailureEndsTheRun) {
    BrokenTable table;
    const DesignResult result = DesignTransformer(WorkedExampleInputs(), table);
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error().message, "Error: no such table: CopStripSize");
}

}  // namespace
}  // namespace kestrava
