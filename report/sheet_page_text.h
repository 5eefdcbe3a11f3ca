#pragma once

#include <QStringList>

#include "engine/design_record.h"
#include "sheet/design_sheet_writer.h"

namespace kestrava::report {

// The design sheet as lines for a page: decoded from Windows-1252, tabs expanded to stops of
// eight so the columns line up in a fixed-width face.
QStringList SheetPageLines(const DesignRecord& record, const RatingTexts& texts);

}  // namespace kestrava::report
