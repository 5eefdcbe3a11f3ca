#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/rating_texts.h"
#include "engine/result.h"

namespace kestrava {

// A stored rating: the texts of one saved design sheet under its file name.
struct ParamRecord {
    std::string fileName;                                   // File_Name
    std::string prmVolt;                                    // Prm_Volt
    std::string kvaRate;                                    // KVA_Rate
    std::string seconVolt;                                  // Secon_Volt
    std::string frequency;                                  // Frequency
    ConnectionType connection = ConnectionType::DeltaStar;  // Conn_Type, kept as the list index
};

// Codes of the failures the store finds itself; any other code is an SQLite result code.
inline constexpr int kSheetPathWithoutSeparator = 1000;
inline constexpr int kInvalidStoredRecord = 1001;
inline constexpr int kUnknownConnection = 1002;

// A failure of the data layer: a numeric code and its description.
struct StoreError {
    int code = 0;
    std::string description;
};

// The outcome of a store operation that yields nothing.
using StoreStatus = Result<void, StoreError>;

// A listing that failed part way: why, and the names it read before.
struct ListFailure {
    StoreError error;
    std::vector<std::string> namesSoFar;
};

// The stored names, newest first (none when the table is empty), or the failure.
using ParamList = Result<std::vector<std::string>, ListFailure>;

// The ratings of saved design sheets in Database/TransValAsgn.sqlite, table TransValAsgn.
// Every operation opens the database anew and releases it at its end.
class ParamRecordStore {
  public:
    explicit ParamRecordStore(std::filesystem::path databaseFile);

    // Appends the ratings under the name after the last separator of 'sheetPath', the connection
    // as its list index. On failure nothing is stored.
    StoreStatus AddParamRecord(const std::string& sheetPath, const RatingTexts& texts) const;

    // Lists the stored names, newest first.
    ParamList FillParamList() const;

    // The newest record named 'fileName', nothing when there is none, or the failure.
    using Loaded = Result<std::optional<ParamRecord>, StoreError>;
    Loaded LoadParamRecord(const std::string& fileName) const;

    const std::filesystem::path& DatabaseFile() const { return databaseFile_; }

  private:
    std::filesystem::path databaseFile_;
};

// Creates 'databaseFile' with an empty TransValAsgn table when no file is there; an existing file
// is left untouched. Used by the build, never by the program.
StoreStatus CreateParamRecordDatabase(const std::filesystem::path& databaseFile);

}  // namespace kestrava
