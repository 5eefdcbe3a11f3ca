#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/result.h"

namespace kestrava {

// One row of the copper strip table (CopStripSize).
struct ConductorStrip {
    double area = 0.0;       // "Apprx CrossSectnl Area", mm²
    double thickness = 0.0;  // "Thickness", mm (radial)
    double width = 0.0;      // "Width", mm (axial)
};

// The rows of the strip table in table order, or the data layer's failure description.
using ConductorRows = Result<std::span<const ConductorStrip>, std::string>;

// Where the conductor lookup reads its rows; opened once per lookup.
class ConductorTableSource {
  public:
    virtual ~ConductorTableSource() = default;
    // Opens the table and returns its rows; they stay valid until the next call.
    virtual ConductorRows OpenRows() = 0;
};

// A table already in memory (tests, batch runs).
class InMemoryConductorTable final : public ConductorTableSource {
  public:
    explicit InMemoryConductorTable(std::vector<ConductorStrip> rows) : rows_(std::move(rows)) {}
    ConductorRows OpenRows() override { return std::span<const ConductorStrip>(rows_); }

  private:
    std::vector<ConductorStrip> rows_;
};

}  // namespace kestrava
