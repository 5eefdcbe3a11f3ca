#pragma once

#include <filesystem>
#include <vector>

#include "engine/conductor_table.h"

namespace kestrava {

// The strip table CopStripSize of an SQLite database, read anew at each OpenRows.
class SqliteConductorTable final : public ConductorTableSource {
  public:
    explicit SqliteConductorTable(std::filesystem::path databaseFile);
    ConductorRows OpenRows() override;

  private:
    std::filesystem::path databaseFile_;
    std::vector<ConductorStrip> rows_;
};

// Reads every row of CopStripSize once (batch runs); the error text is empty on success.
struct LoadedConductorTable {
    std::vector<ConductorStrip> rows;
    std::string error;
};
LoadedConductorTable LoadConductorTable(const std::filesystem::path& databaseFile);

}  // namespace kestrava
