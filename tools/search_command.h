#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/conductor_table.h"
#include "engine/design_record.h"
#include "tools/assessment_request.h"

namespace kestrava {

struct SearchCommandOptions {
    DesignInputs inputs;
    std::string objective = "toc";  // "toc" (total owning cost) or "material"
    std::string pareto;             // CSV file for the Pareto front; empty: none
    std::optional<double> targetImpedancePercent;
};

// Searches the default grid for 'options' and prints one JSON object to 'out': "best" (the
// record with its "rules" and "assessment"), "evaluated" and "feasible". Returns 0 with a
// feasible design, 1 with "No design meets the constraints" and the nearest miss on 'err' (and
// under "nearestMiss"), 2 when the search cannot run.
int RunSearchCommand(const SearchCommandOptions& options, const AssessmentRequest& assessment,
                     std::vector<ConductorStrip> rows, const std::filesystem::path& folder,
                     std::ostream& out, std::ostream& err);

}  // namespace kestrava
