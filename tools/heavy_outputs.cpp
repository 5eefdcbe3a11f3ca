#include "tools/heavy_outputs.h"

#include "cad/transformer_model_builder.h"
#include "tools/report_command.h"

namespace kestrava {
namespace {

Result<void, std::string> WriteModel(const DesignRecord& record,
                                     const std::filesystem::path& stepFile,
                                     const std::filesystem::path& gltfFile) {
    if (const auto written = cad::WriteTransformerModel(record, stepFile, gltfFile);
        !written.has_value()) {
        return Fail(written.error().description);
    }
    return {};
}

}  // namespace

const HeavyOutputs& LinkedHeavyOutputs() {
    static const HeavyOutputs outputs{&WriteModel, &WriteRequestedReports};
    return outputs;
}

}  // namespace kestrava
