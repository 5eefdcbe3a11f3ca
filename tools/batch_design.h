#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/conductor_table.h"
#include "engine/result.h"
#include "tools/assessment_request.h"
#include "tools/record_output.h"

namespace kestrava {

// The header line a batch file must start with.
inline constexpr std::string_view kBatchHeader =
    "kva,primary,secondary,frequency,connection,tapping";

// How many rating lines a batch read (blank lines aside) and how many of them were written
// as error lines.
struct BatchCounts {
    std::size_t ratings = 0;
    std::size_t failed = 0;
};

// What a batch did, or why its input could not be used (header, read or write failure).
using BatchOutcome = Result<BatchCounts, std::string>;

// Designs every rating line of the CSV 'input' with the strip table 'rows' on 'threads'
// threads and writes to 'output' the header of 'format' and one line per rating in input
// order: the design, or the failure with its line number in the file. With 'assessment' each
// design is assessed.
BatchOutcome RunDesignBatch(std::istream& input, std::ostream& output,
                            const std::vector<ConductorStrip>& rows, unsigned threads,
                            const RecordOutput& format = RecordOutput(),
                            const AssessmentRequest* assessment = nullptr);

}  // namespace kestrava
