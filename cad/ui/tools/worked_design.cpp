#include "cad/ui/tools/worked_design.h"

#include <variant>

#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"

namespace kestrava::cad::ui {

std::optional<DesignRecord> WorkedDesign(const std::filesystem::path& databaseFile) {
    DesignInputs inputs;
    inputs.kvaRating = 100.0;
    inputs.primaryVoltage = 11000.0;
    inputs.secondaryVoltage = 433.0;
    inputs.frequency = 50;
    inputs.connectionType = "Delta-Star";
    inputs.tapping = 5;
    SqliteConductorTable table(databaseFile);
    DesignResult result = DesignTransformer(inputs, table);
    if (auto* record = std::get_if<DesignRecord>(&result)) return *record;
    return std::nullopt;
}

}  // namespace kestrava::cad::ui
