#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/design_record.h"

namespace kestrava {

// Appends 'record' as one JSON object: every field under its own name (doubles in their
// shortest round-trip form, a non-finite one as null) and "consistent".
void AppendDesignRecordJson(std::string& out, const DesignRecord& record);

// Appends {"line":N,"error":"..."} for a rating of a batch that gave no design.
void AppendBatchErrorJson(std::string& out, std::size_t line, std::string_view error);

// Appends 'text' as a JSON string; bytes that are not UTF-8 become U+FFFD.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace kestrava
