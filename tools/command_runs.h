#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "engine/conductor_table.h"
#include "tools/assessment_request.h"
#include "tools/command_options.h"
#include "tools/record_output.h"

namespace kestrava {

struct HeavyOutputs;

// The folder of this executable (never the working directory), or nothing when unknown.
std::optional<std::filesystem::path> InstallationFolder();

// The three runs of the command once its options are checked and the strip table is read; each
// returns the exit status.
int RunBatch(const CommandOptions& options, const std::vector<ConductorStrip>& rows,
             const RecordOutput& format, const AssessmentRequest* assessment);
int RunSingle(const CommandOptions& options, std::vector<ConductorStrip> rows,
              const RecordOutput& format, const AssessmentRequest* assessment,
              const HeavyOutputs* heavy);
int RunSearch(const CommandOptions& options, std::vector<ConductorStrip> rows,
              const AssessmentRequest& assessment, const HeavyOutputs* heavy);

}  // namespace kestrava
