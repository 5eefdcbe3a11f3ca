#include "cad/ui/tools/worked_design.h"

#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"

namespace kestrava::cad::ui {

std::optional<DesignRecord> WorkedDesign(const std::filesystem::path& databaseFile) {
    DesignInputs inputs;
    inputs.kvaRating = 100.0;
    inputs.primaryVoltage = 11000.0;
    inputs.secondaryVoltage = 433.0;
    inputs.frequency = 50;
    inputs.connectionType = ConnectionType::DeltaStar;
    inputs.tapping = 5;
    SqliteConductorTable table(databaseFile);
    DesignResult result = DesignTransformer(inputs, table);
    if (!result.has_value()) return std::nullopt;
    return std::move(result).value();
}

}  // namespace kestrava::cad::ui
