#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/conductor_table.h"
#include "tools/assessment_request.h"

namespace kestrava {

// The header line a batch file must start with.
inline constexpr std::string_view kBatchHeader =
    "kva,primary,secondary,frequency,connection,tapping";

// What a batch did; 'error' is set when the input could not be used (header, read failure).
struct BatchOutcome {
    std::size_t ratings = 0;  // rating lines read (blank lines aside)
    std::size_t failed = 0;   // of those, the ones written as error lines
    std::string error;
};

// Designs every rating line of the CSV 'input' with the strip table 'rows' on 'threads'
// threads and writes one JSON line per rating to 'output' in input order: the record, or
// {"line":N,"error":"..."} with N the line number in the file. With 'assessment' each record
// carries its assessment.
BatchOutcome RunDesignBatch(std::istream& input, std::ostream& output,
                            const std::vector<ConductorStrip>& rows, unsigned threads,
                            const AssessmentRequest* assessment = nullptr);

}  // namespace kestrava
