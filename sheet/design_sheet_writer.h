#pragma once

#include <filesystem>
#include <string>

#include "engine/design_record.h"
#include "engine/result.h"

namespace kestrava {

// The three texts of the parameter window that the sheet copies as typed (UTF-8).
struct SheetTexts {
    std::string connectionType;    // text of cboConnType
    std::string primaryVoltage;    // txtPrmVolt
    std::string secondaryVoltage;  // txtSecondVolt
};

// The bytes of the design sheet: Windows-1252, CR LF after every line.
std::string FormatDesignSheet(const DesignRecord& record, const SheetTexts& texts);

// Replaces 'path' whole with the design sheet, as ReplaceFile does; fails with a message naming
// the path and the system's reason.
Result<void, std::string> WriteDesignSheet(const std::filesystem::path& path,
                                           const DesignRecord& record, const SheetTexts& texts);

}  // namespace kestrava
