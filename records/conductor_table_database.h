#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/conductor_table.h"
#include "engine/result.h"

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

// Every row of CopStripSize read once (batch runs), or the failure's description.
using LoadedConductorTable = Result<std::vector<ConductorStrip>, std::string>;
LoadedConductorTable LoadConductorTable(const std::filesystem::path& databaseFile);

}  // namespace kestrava
