#pragma once

#include "engine/design_record.h"
#include "tools/heavy_outputs.h"

namespace kestrava {

// Writes the requested drawing and report of 'record' (without a display, if need be); tells
// on stderr why a file could not be written. Returns an exit status.
int WriteRequestedReports(const DesignRecord& record, const RatingTexts& texts,
                          const ReportOutputs& request);

}  // namespace kestrava
