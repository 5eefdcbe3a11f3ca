#include "records/param_record_store.h"

#include <sqlite3.h>

#include <memory>
#include <system_error>
#include <utility>

namespace kestrava {
namespace {

// Long enough for another running copy to finish its append.
constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kCreateTable =
    "CREATE TABLE TransValAsgn (id INTEGER PRIMARY KEY, File_Name TEXT, Prm_Volt TEXT, "
    "KVA_Rate TEXT, Secon_Volt TEXT, Frequency TEXT, Conn_Type INTEGER)";

// Thrown inside an operation and turned into its returned StoreError at the boundary.
struct StoreFailure {
    StoreError error;
};

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

[[noreturn]] void FailWith(sqlite3* db, int code, const std::filesystem::path& file) {
    const std::string reason = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw StoreFailure{{code, reason + " (" + file.string() + ")"}};
}

// Reads open the file writable too: a journal left by an interrupted append can then be rolled
// back, where a read-only connection fails on it until the next append. SQLite still opens a
// write-protected file read-only.
constexpr int kReadFlags = SQLITE_OPEN_READWRITE;

Database Open(const std::filesystem::path& file, int flags) {
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(file.c_str(), &raw, flags, nullptr);
    Database db(raw);
    if (result != SQLITE_OK) FailWith(raw, result, file);
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    return db;
}

void Execute(sqlite3* db, const char* sql, const std::filesystem::path& file) {
    const int result = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) FailWith(db, result, file);
}

Statement Prepare(sqlite3* db, const char* sql, const std::filesystem::path& file) {
    sqlite3_stmt* raw = nullptr;
    const int result = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    Statement statement(raw);
    if (result != SQLITE_OK) FailWith(db, result, file);
    return statement;
}

// Binds without copying: every bound text outlives the statement's step.
void BindText(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), nullptr);
}

// Steps once; true while a row is available.
bool Step(sqlite3* db, sqlite3_stmt* statement, const std::filesystem::path& file) {
    const int result = sqlite3_step(statement);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    FailWith(db, result, file);
}

std::optional<std::string> ColumnText(sqlite3_stmt* statement, int column) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) return std::nullopt;
    const unsigned char* text = sqlite3_column_text(statement, column);
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

[[noreturn]] void FailInvalidRecord(const std::string& fileName, const std::string& what) {
    throw StoreFailure{
        {kInvalidStoredRecord, "The stored record \"" + fileName + "\" " + what + "."}};
}

std::string RequiredText(sqlite3_stmt* statement, int column, const std::string& fileName) {
    std::optional<std::string> text = ColumnText(statement, column);
    if (!text) {
        FailInvalidRecord(fileName,
                          std::string("has no ") + sqlite3_column_name(statement, column));
    }
    return std::move(*text);
}

ConnectionType StoredConnection(sqlite3_stmt* statement, int column, const std::string& fileName) {
    if (sqlite3_column_type(statement, column) != SQLITE_INTEGER) {
        FailInvalidRecord(fileName, "has no whole-number Conn_Type");
    }
    const sqlite3_int64 index = sqlite3_column_int64(statement, column);
    const std::optional<ConnectionType> connection = ConnectionAt(index);
    if (!connection) {
        FailInvalidRecord(fileName, "has Conn_Type " + std::to_string(index) + ", not 0 to 3");
    }
    return *connection;
}

}  // namespace

ParamRecordStore::ParamRecordStore(std::filesystem::path databaseFile)
    : databaseFile_(std::move(databaseFile)) {}

StoreStatus ParamRecordStore::AddParamRecord(const std::string& sheetPath,
                                             const RatingTexts& texts) const {
    const std::size_t separator = sheetPath.rfind('/');
    if (separator == std::string::npos) {
        return Fail(StoreError{kSheetPathWithoutSeparator,
                               "The design sheet path \"" + sheetPath +
                                   "\" has no \"/\" before its file name; no record was kept."});
    }
    const std::string fileName = sheetPath.substr(separator + 1);
    const std::optional<ConnectionType> connection = ConnectionNamed(texts.connection);
    if (!connection) {
        return Fail(StoreError{kUnknownConnection,
                               "The connection \"" + texts.connection + "\" is not one of " +
                                   ConnectionChoices(" or ") + "; no record was kept."});
    }
    try {
        const Database db = Open(databaseFile_, SQLITE_OPEN_READWRITE);
        Execute(db.get(), "BEGIN IMMEDIATE", databaseFile_);
        try {
            const Statement insert =
                Prepare(db.get(),
                        "INSERT INTO TransValAsgn (File_Name, Prm_Volt, KVA_Rate, Secon_Volt, "
                        "Frequency, Conn_Type) VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                        databaseFile_);
            BindText(insert.get(), 1, fileName);
            BindText(insert.get(), 2, texts.primary);
            BindText(insert.get(), 3, texts.kva);
            BindText(insert.get(), 4, texts.secondary);
            BindText(insert.get(), 5, texts.frequency);
            sqlite3_bind_int(insert.get(), 6, static_cast<int>(*connection));
            Step(db.get(), insert.get(), databaseFile_);
            Execute(db.get(), "COMMIT", databaseFile_);
        } catch (const StoreFailure&) {
            sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    } catch (const StoreFailure& failure) {
        return Fail(failure.error);
    }
    return {};
}

ParamList ParamRecordStore::FillParamList() const {
    std::vector<std::string> names;
    try {
        const Database db = Open(databaseFile_, kReadFlags);
        const Statement select =
            Prepare(db.get(), "SELECT File_Name FROM TransValAsgn ORDER BY id DESC", databaseFile_);
        while (Step(db.get(), select.get(), databaseFile_)) {
            names.push_back(ColumnText(select.get(), 0).value_or(""));
        }
    } catch (const StoreFailure& failure) {
        return Fail(ListFailure{failure.error, std::move(names)});
    }
    return names;
}

ParamRecordStore::Loaded ParamRecordStore::LoadParamRecord(const std::string& fileName) const {
    std::optional<ParamRecord> loaded;
    try {
        const Database db = Open(databaseFile_, kReadFlags);
        const Statement select = Prepare(db.get(),
                                         "SELECT Prm_Volt, KVA_Rate, Secon_Volt, Frequency, "
                                         "Conn_Type FROM TransValAsgn WHERE File_Name = ?1 "
                                         "ORDER BY id DESC LIMIT 1",
                                         databaseFile_);
        BindText(select.get(), 1, fileName);
        if (Step(db.get(), select.get(), databaseFile_)) {
            ParamRecord record;
            record.fileName = fileName;
            record.prmVolt = RequiredText(select.get(), 0, fileName);
            record.kvaRate = RequiredText(select.get(), 1, fileName);
            record.seconVolt = RequiredText(select.get(), 2, fileName);
            record.frequency = RequiredText(select.get(), 3, fileName);
            record.connection = StoredConnection(select.get(), 4, fileName);
            loaded = std::move(record);
        }
    } catch (const StoreFailure& failure) {
        return Fail(failure.error);
    }
    return loaded;
}

StoreStatus CreateParamRecordDatabase(const std::filesystem::path& databaseFile) {
    std::error_code ignored;
    if (std::filesystem::exists(databaseFile, ignored)) return {};
    // Built aside and renamed into place, so an interrupted build never leaves half a database.
    std::filesystem::path partial = databaseFile;
    partial += ".partial";
    try {
        std::filesystem::create_directories(databaseFile.parent_path());
        std::filesystem::remove(partial);
        {
            const Database db = Open(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            Execute(db.get(), kCreateTable, partial);
        }
        std::filesystem::rename(partial, databaseFile);
    } catch (const StoreFailure& failure) {
        std::filesystem::remove(partial, ignored);
        return Fail(failure.error);
    } catch (const std::filesystem::filesystem_error& failure) {
        std::filesystem::remove(partial, ignored);
        return Fail(StoreError{failure.code().value(), failure.what()});
    }
    return {};
}

}  // namespace kestrava
