#pragma once

#include <filesystem>
#include <string>

#include "engine/design_record.h"
#include "engine/rating_texts.h"
#include "engine/result.h"

namespace kestrava {

// The bytes of the design sheet: Windows-1252, CR LF after every line. Of 'texts' the sheet
// copies the connection and the two voltages as typed.
std::string FormatDesignSheet(const DesignRecord& record, const RatingTexts& texts);

// Replaces 'path' whole with the design sheet, as ReplaceFile does; fails with a message naming
// the path and the system's reason.
Result<void, std::string> WriteDesignSheet(const std::filesystem::path& path,
                                           const DesignRecord& record, const RatingTexts& texts);

}  // namespace kestrava
