#include "tools/heavy_outputs.h"

#include "cad/transformer_model_builder.h"
#include "tools/report_command.h"

namespace kestrava {
namespace {

Result<void, std::string> WriteModel(const DesignRecord& record,
                                     const std::filesystem::path& stepFile,
                                     const std::filesystem::path& gltfFile) {
    if (const auto written = cad::WriteTransformerModel(record, stepFile, gltfFile);
        !written.ok()) {
        return Fail(written.error().description);
    }
    return {};
}

int WriteReports(const DesignRecord& record, const RatingTexts& texts,
                 const ReportOutputs& outputs) {
    ReportRequest request;
    request.drawingFile = outputs.drawingFile;
    request.reportFile = outputs.reportFile;
    request.settings = outputs.settings;
    request.regime = outputs.regime;
    request.rules = outputs.rules;
    switch (outputs.rulesSource) {
        case RulesSource::Fixed:
            request.origin = report::RulesOrigin::Fixed;
            break;
        case RulesSource::Chosen:
            request.origin = report::RulesOrigin::Chosen;
            break;
        case RulesSource::Searched:
            request.origin = report::RulesOrigin::Searched;
            break;
    }
    return WriteRequestedReports(record, texts, request);
}

}  // namespace

const HeavyOutputs& LinkedHeavyOutputs() {
    static const HeavyOutputs outputs{&WriteModel, &WriteReports};
    return outputs;
}

}  // namespace kestrava
