#include "records/conductor_table_database.h"

#include <sqlite3.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>

namespace kestrava {
namespace {

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

constexpr std::array<std::string_view, 3> kColumnNames{"Apprx CrossSectnl Area", "Thickness",
                                                       "Width"};

// Positions of the three columns in the result of 'statement', or which one is missing.
Result<std::array<int, 3>, std::string> FindColumns(sqlite3_stmt* statement) {
    std::array<int, 3> positions{};
    positions.fill(-1);
    const int count = sqlite3_column_count(statement);
    for (int column = 0; column < count; ++column) {
        const std::string_view name = sqlite3_column_name(statement, column);
        for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
            if (name == kColumnNames[i] && positions[i] < 0) positions[i] = column;
        }
    }
    for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
        if (positions[i] < 0) return Fail("no such column: " + std::string(kColumnNames[i]));
    }
    return positions;
}

// The number in 'column' of the current row; false when it holds no finite number.
bool ReadNumber(sqlite3_stmt* statement, int column, double& value) {
    const int type = sqlite3_column_type(statement, column);
    if (type != SQLITE_FLOAT && type != SQLITE_INTEGER) return false;
    value = sqlite3_column_double(statement, column);
    return std::isfinite(value);
}

}  // namespace

SqliteConductorTable::SqliteConductorTable(std::filesystem::path databaseFile)
    : databaseFile_(std::move(databaseFile)) {}

ConductorRows SqliteConductorTable::OpenRows() {
    rows_.clear();
    sqlite3* rawConnection = nullptr;
    const int opened =
        sqlite3_open_v2(databaseFile_.c_str(), &rawConnection, SQLITE_OPEN_READONLY, nullptr);
    const Connection connection(rawConnection);
    if (opened != SQLITE_OK) {
        return Fail(std::string(sqlite3_errstr(opened)) + " (" + databaseFile_.string() + ")");
    }

    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(connection.get(), "SELECT * FROM CopStripSize", -1, &rawStatement,
                           nullptr) != SQLITE_OK) {
        return Fail(std::string(sqlite3_errmsg(connection.get())));
    }
    const Statement statement(rawStatement);
    const auto found = FindColumns(statement.get());
    if (!found.has_value()) return Fail(found.error());
    const std::array<int, 3>& columns = found.value();

    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(statement.get())) == SQLITE_ROW) {
        ConductorStrip strip;
        double* const fields[] = {&strip.area, &strip.thickness, &strip.width};
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (!ReadNumber(statement.get(), columns[i], *fields[i])) {
                return Fail("CopStripSize row " + std::to_string(rows_.size() + 1) +
                            " holds no number in column \"" + std::string(kColumnNames[i]) + "\"");
            }
        }
        rows_.push_back(strip);
    }
    if (stepped != SQLITE_DONE) return Fail(std::string(sqlite3_errmsg(connection.get())));
    return std::span<const ConductorStrip>(rows_);
}

LoadedConductorTable LoadConductorTable(const std::filesystem::path& databaseFile) {
    SqliteConductorTable table(databaseFile);
    const ConductorRows opened = table.OpenRows();
    if (!opened.has_value()) return Fail(opened.error());
    return std::vector<ConductorStrip>(opened.value().begin(), opened.value().end());
}

}  // namespace kestrava
