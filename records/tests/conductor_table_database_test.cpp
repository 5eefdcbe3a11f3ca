#include "records/conductor_table_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/design_transformer.h"
#include "engine/number_text.h"
#include "testing/fresh_test_folder.h"

namespace kestrava {
namespace {

namespace fs = std::filesystem;

class ConductorTableDatabaseTest : public testing::Test {
  protected:
    void SetUp() override { folder_ = kestrava::test_support::FreshTestFolder("kestrava_strips"); }
    void TearDown() override { fs::remove_all(folder_); }

    // A database file made by running 'sql'.
    fs::path CreateDatabase(const std::string& sql) {
        const fs::path file = folder_ / "Appr_CSA.sqlite";
        sqlite3* connection = nullptr;
        EXPECT_EQ(sqlite3_open(file.c_str(), &connection), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(connection, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
            << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(connection);
        return file;
    }

    fs::path folder_;
};

TEST_F(ConductorTableDatabaseTest, ReadsRowsInTableOrderByColumnName) {
    const fs::path file = CreateDatabase(
        "CREATE TABLE CopStripSize (Note TEXT, Width REAL, Thickness REAL, "
        "\"Apprx CrossSectnl Area\" REAL);"
        "INSERT INTO CopStripSize VALUES ('b', 16.0, 3.55, 55.94), ('a', 3, 1, 2.79),"
        "('c', 11.8, 5.0, 58.14);");
    SqliteConductorTable table(file);
    const ConductorRows opened = table.OpenRows();
    ASSERT_TRUE(opened.has_value()) << opened.error();
    const std::span<const ConductorStrip> rows = opened.value();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].area, 55.94);
    EXPECT_EQ(rows[0].thickness, 3.55);
    EXPECT_EQ(rows[0].width, 16.0);
    EXPECT_EQ(rows[1].area, 2.79);
    EXPECT_EQ(rows[1].width, 3.0);
    EXPECT_EQ(rows[2].thickness, 5.0);
    // Reading again gives the same rows, not twice as many.
    EXPECT_EQ(table.OpenRows().value().size(), 3u);

    const LoadedConductorTable loaded = LoadConductorTable(file);
    ASSERT_TRUE(loaded.has_value()) << loaded.error();
    ASSERT_EQ(loaded->size(), 3u);
    EXPECT_EQ(loaded.value()[2].area, 58.14);
}

TEST_F(ConductorTableDatabaseTest, MissingFileIsAnErrorAndIsNotCreated) {
    const fs::path file = folder_ / "Missing.sqlite";
    SqliteConductorTable table(file);
    const ConductorRows rows = table.OpenRows();
    ASSERT_FALSE(rows.has_value());
    EXPECT_NE(rows.error().find("unable to open database file"), std::string::npos) << rows.error();
    EXPECT_NE(rows.error().find("Missing.sqlite"), std::string::npos) << rows.error();
    EXPECT_FALSE(fs::exists(file));

    const LoadedConductorTable loaded = LoadConductorTable(file);
    ASSERT_FALSE(loaded.has_value());
    EXPECT_EQ(loaded.error(), rows.error());
}

TEST_F(ConductorTableDatabaseTest, ReportsBrokenTables) {
    const struct {
        const char* sql;
        const char* error;
    } cases[] = {
        {"CREATE TABLE Other (x REAL);", "no such table: CopStripSize"},
        {"CREATE TABLE CopStripSize (\"Apprx CrossSectnl Area\" REAL, Thickness REAL);",
         "no such column: Width"},
        {"CREATE TABLE CopStripSize (\"Apprx CrossSectnl Area\" REAL, Thickness REAL, Width REAL);"
         "INSERT INTO CopStripSize VALUES (2.79, 1, 3), (5.0, NULL, 4);",
         "CopStripSize row 2 holds no number in column \"Thickness\""},
        {"CREATE TABLE CopStripSize (\"Apprx CrossSectnl Area\" TEXT, Thickness REAL, Width REAL);"
         "INSERT INTO CopStripSize VALUES ('wide', 1, 3);",
         "CopStripSize row 1 holds no number in column \"Apprx CrossSectnl Area\""},
    };
    for (const auto& c : cases) {
        fs::remove(folder_ / "Appr_CSA.sqlite");
        SqliteConductorTable table(CreateDatabase(c.sql));
        const ConductorRows rows = table.OpenRows();
        ASSERT_FALSE(rows.has_value()) << c.sql;
        EXPECT_EQ(rows.error(), c.error) << c.sql;
    }
}

TEST_F(ConductorTableDatabaseTest, FileThatIsNoDatabaseIsAnError) {
    const fs::path file = folder_ / "Appr_CSA.sqlite";
    std::ofstream(file) << "Apprx CrossSectnl Area,Thickness,Width\n1.39,0.80,2.00\n"
                        << std::string(4096, 'x');
    SqliteConductorTable table(file);
    const ConductorRows rows = table.OpenRows();
    ASSERT_FALSE(rows.has_value());
    EXPECT_EQ(rows.error(), "file is not a database");
}

TEST_F(ConductorTableDatabaseTest, DesignRunReportsTheDatabaseFailure) {
    SqliteConductorTable table(folder_ / "Missing.sqlite");
    const DesignResult result =
        DesignTransformer({100, 11000, 433, 50, ConnectionType::DeltaStar, 5}, table);
    ASSERT_FALSE(result.has_value());
    const DesignFailure& failure = result.error();
    EXPECT_EQ(failure.kind, DesignFailure::Kind::RunTimeError);
    EXPECT_TRUE(failure.message.starts_with("Error: unable to open database file"))
        << failure.message;
}

TEST(BuiltConductorDatabaseTest, AreasAscendAndMatchTheirTwoDecimalValue) {
    const LoadedConductorTable table = LoadConductorTable(KESTRAVA_CONDUCTOR_DATABASE);
    ASSERT_TRUE(table.has_value()) << table.error();
    const std::vector<ConductorStrip>& rows = table.value();
    ASSERT_GT(rows.size(), 100u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ConductorStrip& row = rows[i];
        if (i > 0) {
            EXPECT_LE(rows[i - 1].area, row.area) << "row " << i + 1;
        }
        // The exact passes of the lookup compare with a value rounded to two decimals.
        EXPECT_EQ(RoundToDecimals(row.area, 2), row.area) << "row " << i + 1;
        EXPECT_GT(row.width, row.thickness) << "row " << i + 1;
        EXPECT_LE(row.width, 8 * row.thickness) << "row " << i + 1;
        EXPECT_NEAR(row.area, row.thickness * row.width, 0.865) << "row " << i + 1;
    }
}

TEST(BuiltConductorDatabaseTest, WorkedExampleFindsAStrip) {
    SqliteConductorTable table(KESTRAVA_CONDUCTOR_DATABASE);
    const DesignResult result =
        DesignTransformer({100, 11000, 433, 50, ConnectionType::DeltaStar, 5}, table);
    ASSERT_TRUE(result.has_value()) << result.error().message;
    const DesignRecord& record = result.value();
    EXPECT_TRUE(record.tableFound);
    // 57.97 mm² are needed; the nearest row lies within the table's spacing.
    EXPECT_NEAR(record.lvConductorArea, 57.97, 3.0);
    EXPECT_GT(record.lvConductorAxialDepth, record.lvConductorRadialDepth);
}

}  // namespace
}  // namespace kestrava
