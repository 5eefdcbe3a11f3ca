#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/conductor_table.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "tools/assessment_request.h"

namespace kestrava {

struct SearchCommandOptions {
    DesignInputs inputs;
    std::string objective = "toc";  // "toc" (total owning cost) or "material"
    std::string pareto;             // CSV file for the Pareto front; empty: none
    std::string grid;               // JSON file of the grid to search; empty: the default grid
    std::optional<double> targetImpedancePercent;
    bool refine = false;  // search finer grids around the grid's best
    // Given the best design, its rules and what it was assessed with, once it is printed; its
    // result becomes the exit status.
    std::function<int(const DesignRecord&, const DesignRules&, const AssessmentRequest&)> withBest;
};

// Searches the grid (the default one, or the file named by 'options') for 'options' and prints one
// JSON object to 'out': "best" (the record with its "rules" and "assessment"), "evaluated" and
// "feasible". With 'refine' the best is that of finer grids around the grid's best, and a
// "refinement" member says what they judged. Returns 0 with a feasible design, 1 with "No design
// meets the constraints" and the nearest miss on 'err' (and under "nearestMiss"), 2 when the search
// cannot run.
int RunSearchCommand(const SearchCommandOptions& options, const AssessmentRequest& assessment,
                     std::vector<ConductorStrip> rows, const std::filesystem::path& folder,
                     std::ostream& out, std::ostream& err);

}  // namespace kestrava
