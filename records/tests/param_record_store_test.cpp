#include "records/param_record_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace kestrava {
namespace {

namespace fs = std::filesystem;

RatingTexts Texts(const std::string& primary, const std::string& kva, int connection) {
    RatingTexts texts;
    texts.primary = primary;
    texts.kva = kva;
    texts.secondary = "433";
    texts.frequency = "50";
    texts.tapping = "5";
    texts.connection = ConnectionName(ConnectionAt(connection).value());
    return texts;
}

class ParamRecordStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "param-records-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = folder_ / "TransValAsgn.sqlite";
        ASSERT_TRUE(CreateParamRecordDatabase(file_).has_value());
        store_ = ParamRecordStore(file_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs 'sql' on the database outside the store, as another program would.
    void Sql(const std::string& sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file_.c_str(), &db), SQLITE_OK);
        char* message = nullptr;
        const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
        const std::string reason = message != nullptr ? message : "";
        sqlite3_free(message);
        sqlite3_close(db);
        ASSERT_EQ(result, SQLITE_OK) << reason;
    }

    std::vector<std::string> Names() const {
        const ParamList list = store_.FillParamList();
        EXPECT_TRUE(list.has_value());
        return list.has_value() ? list.value() : std::vector<std::string>{};
    }

    fs::path folder_;
    fs::path file_;
    ParamRecordStore store_{fs::path()};
};

TEST_F(ParamRecordStoreTest, ListsNewestFirstAndLoadsTheNewestOfAName) {
    ASSERT_TRUE(store_.AddParamRecord("/sheets/A.txt", Texts("11000", "100", 0)).has_value());
    ASSERT_TRUE(store_.AddParamRecord("/sheets/B.txt", Texts("6600", "250", 1)).has_value());
    ASSERT_TRUE(store_.AddParamRecord("/other/A.txt", Texts("22000", "500", 3)).has_value());

    EXPECT_EQ(Names(), (std::vector<std::string>{"A.txt", "B.txt", "A.txt"}));

    const ParamRecordStore::Loaded a = store_.LoadParamRecord("A.txt");
    ASSERT_TRUE(a.has_value());
    ASSERT_TRUE(a.value());
    EXPECT_EQ(a.value()->prmVolt, "22000");
    EXPECT_EQ(a.value()->kvaRate, "500");
    EXPECT_EQ(a.value()->seconVolt, "433");
    EXPECT_EQ(a.value()->frequency, "50");
    EXPECT_EQ(a.value()->connection, ConnectionType::DeltaDelta);

    const ParamRecordStore::Loaded b = store_.LoadParamRecord("B.txt");
    ASSERT_TRUE(b.has_value() && b.value());
    EXPECT_EQ(b.value()->prmVolt, "6600");
    EXPECT_EQ(b.value()->connection, ConnectionType::StarDelta);

    for (const char* other : {"a.txt", "A.txt ", "A", ""}) {  // exact, case-sensitive names
        const ParamRecordStore::Loaded none = store_.LoadParamRecord(other);
        ASSERT_TRUE(none.has_value()) << other;
        EXPECT_FALSE(none.value()) << other;
    }
}

TEST_F(ParamRecordStoreTest, TextsRoundTripUnchanged) {
    const std::vector<std::string> names = {"x'); DROP TABLE TransValAsgn;--.txt",
                                            "quote \" and ' both.txt", "Ümlaut – ☃.txt",
                                            "100%_like?.txt"};
    for (const std::string& name : names) {
        RatingTexts texts = Texts("11 000", "  0100.50", 2);
        texts.frequency = name;  // any text, stored as typed
        ASSERT_TRUE(store_.AddParamRecord("/sheets/" + name, texts).has_value()) << name;
        const ParamRecordStore::Loaded loaded = store_.LoadParamRecord(name);
        ASSERT_TRUE(loaded.has_value() && loaded.value()) << name;
        const ParamRecord& record = **loaded;
        EXPECT_EQ(record.fileName, name);
        EXPECT_EQ(record.prmVolt, "11 000");
        EXPECT_EQ(record.kvaRate, "  0100.50");
        EXPECT_EQ(record.frequency, name);
        EXPECT_EQ(record.connection, ConnectionType::StarStar);
    }
    EXPECT_EQ(Names().size(), names.size());
}

TEST_F(ParamRecordStoreTest, NameIsThePartAfterTheLastSeparatorWhichMustExist) {
    for (const char* path : {"T1.txt", "C:T1.txt", "", "back\\slash.txt"}) {
        const StoreStatus added = store_.AddParamRecord(path, Texts("1", "2", 0));
        ASSERT_FALSE(added.has_value()) << path;
        EXPECT_EQ(added.error().code, kSheetPathWithoutSeparator);
        EXPECT_NE(added.error().description.find('"' + std::string(path) + '"'), std::string::npos);
    }
    EXPECT_TRUE(Names().empty());

    ASSERT_TRUE(store_.AddParamRecord("/home/u/Sheets/T1.txt", Texts("1", "2", 0)).has_value());
    ASSERT_TRUE(store_.AddParamRecord("/T2", Texts("1", "2", 0)).has_value());
    EXPECT_EQ(Names(), (std::vector<std::string>{"T2", "T1.txt"}));
}

TEST_F(ParamRecordStoreTest, ConnectionMustBeOneOfTheFourNames) {
    RatingTexts texts = Texts("1", "2", 0);
    texts.connection = "delta-star";
    const StoreStatus added = store_.AddParamRecord("/s/A.txt", texts);
    ASSERT_FALSE(added.has_value());
    EXPECT_EQ(added.error().code, kUnknownConnection);
    EXPECT_TRUE(store_.FillParamList()->empty());
}

TEST_F(ParamRecordStoreTest, EmptyTableIsNoFailure) {
    const ParamList list = store_.FillParamList();
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(list->empty());
}

TEST_F(ParamRecordStoreTest, MissingFileIsAFailureAndIsNotCreated) {
    store_ = ParamRecordStore(folder_ / "missing.sqlite");
    const ParamList list = store_.FillParamList();
    ASSERT_FALSE(list.has_value());
    EXPECT_NE(list.error().error.description.find("missing.sqlite"), std::string::npos);
    EXPECT_FALSE(store_.LoadParamRecord("A.txt").has_value());
    EXPECT_FALSE(store_.AddParamRecord("/s/A.txt", Texts("1", "2", 0)).has_value());
    EXPECT_FALSE(fs::exists(folder_ / "missing.sqlite"));
}

TEST_F(ParamRecordStoreTest, FailedAppendLeavesNothing) {
    // The row goes in, then the database rejects the statement without undoing it itself.
    Sql("CREATE TRIGGER reject AFTER INSERT ON TransValAsgn BEGIN SELECT RAISE(FAIL, 'rejected'); "
        "END");
    const StoreStatus added = store_.AddParamRecord("/s/A.txt", Texts("1", "2", 0));
    ASSERT_FALSE(added.has_value());
    EXPECT_NE(added.error().description.find("rejected"), std::string::npos);
    Sql("DROP TRIGGER reject");
    EXPECT_TRUE(Names().empty());

    Sql("DROP TABLE TransValAsgn");
    EXPECT_FALSE(store_.AddParamRecord("/s/A.txt", Texts("1", "2", 0)).has_value());
    EXPECT_FALSE(store_.FillParamList().has_value());
    EXPECT_FALSE(store_.LoadParamRecord("A.txt").has_value());
}

TEST_F(ParamRecordStoreTest, InvalidStoredRecordsAreReported) {
    const std::vector<std::string> rows = {
        "'n.txt', NULL, '1', '2', '50', 0",   "'n.txt', '1', NULL, '2', '50', 0",
        "'n.txt', '1', '1', NULL, '50', 0",   "'n.txt', '1', '1', '2', NULL, 0",
        "'n.txt', '1', '1', '2', '50', NULL", "'n.txt', '1', '1', '2', '50', 4",
        "'n.txt', '1', '1', '2', '50', -1",   "'n.txt', '1', '1', '2', '50', 'two'",
    };
    for (const std::string& row : rows) {
        Sql("DELETE FROM TransValAsgn; INSERT INTO TransValAsgn (File_Name, Prm_Volt, KVA_Rate, "
            "Secon_Volt, Frequency, Conn_Type) VALUES (" +
            row + ")");
        const ParamRecordStore::Loaded loaded = store_.LoadParamRecord("n.txt");
        ASSERT_FALSE(loaded.has_value()) << row;
        EXPECT_EQ(loaded.error().code, kInvalidStoredRecord) << row;
    }
}

// Two stores on one file append at the same time, as two running copies of the program would:
// every record arrives whole, each writer's in its own order, and readers meanwhile see no error.
TEST_F(ParamRecordStoreTest, TwoStoresAppendingAtOnceLoseNothing) {
    constexpr int kEach = 40;
    std::vector<std::string> failures[2];
    auto append = [&](int writer) {
        const ParamRecordStore store(file_);
        for (int i = 0; i < kEach; ++i) {
            const std::string name = std::to_string(writer) + "-" + std::to_string(i) + ".txt";
            const StoreStatus added = store.AddParamRecord("/s/" + name, Texts(name, "1", writer));
            if (!added.has_value()) failures[writer].push_back(added.error().description);
            const ParamList list = store.FillParamList();
            if (!list.has_value()) failures[writer].push_back(list.error().error.description);
        }
    };
    std::thread first(append, 0);
    std::thread second(append, 1);
    first.join();
    second.join();
    EXPECT_TRUE(failures[0].empty()) << failures[0].front();
    EXPECT_TRUE(failures[1].empty()) << failures[1].front();

    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 2u * kEach);
    for (int writer = 0; writer < 2; ++writer) {
        int expected = kEach - 1;  // newest first
        for (const std::string& name : names) {
            if (name.front() - '0' != writer) continue;
            EXPECT_EQ(name, std::to_string(writer) + "-" + std::to_string(expected--) + ".txt");
            const ParamRecordStore::Loaded loaded = store_.LoadParamRecord(name);
            ASSERT_TRUE(loaded.has_value() && loaded.value()) << name;
            EXPECT_EQ(loaded.value()->prmVolt, name);
            EXPECT_EQ(static_cast<int>(loaded.value()->connection), writer);
        }
        EXPECT_EQ(expected, -1) << "writer " << writer;
    }
}

TEST_F(ParamRecordStoreTest, AppendWaitsForAnotherWriter) {
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(file_.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([writer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr);
    });
    const StoreStatus added = store_.AddParamRecord("/s/A.txt", Texts("1", "2", 0));
    release.join();
    sqlite3_close(writer);
    EXPECT_TRUE(added.has_value()) << added.error().description;
    EXPECT_EQ(Names(), std::vector<std::string>{"A.txt"});
}

TEST_F(ParamRecordStoreTest, CreatingLeavesAnExistingDatabaseAlone) {
    ASSERT_TRUE(store_.AddParamRecord("/s/kept.txt", Texts("1", "2", 0)).has_value());
    EXPECT_TRUE(CreateParamRecordDatabase(file_).has_value());
    EXPECT_EQ(Names(), std::vector<std::string>{"kept.txt"});
    EXPECT_FALSE(fs::exists(folder_ / "TransValAsgn.sqlite.partial"));
}

}  // namespace
}  // namespace kestrava
