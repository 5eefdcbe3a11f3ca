#include "tools/search_command.h"

#include <fstream>
#include <ostream>
#include <variant>

#include "engine/core_steel_catalogue.h"
#include "engine/design_transformer.h"
#include "engine/escaped_text.h"
#include "search/design_search.h"
#include "search/refinement.h"
#include "search/search_grid_file.h"
#include "tools/design_command.h"
#include "tools/design_record_json.h"
#include "tools/design_rules_text.h"
#include "tools/shortest_number.h"

namespace kestrava {
namespace {

// The record of 'candidate' by the ordinary engine run, with its rules, and the request's
// assessment with the core priced as the candidate's steel.
struct CandidateDesign {
    DesignRecord record;
    DesignRules rules;
    AssessmentRequest assessment;
};

CandidateDesign Redesign(const search::SearchRequest& request,
                         const search::SearchCandidate& candidate, const CoreSteelCatalogue& steels,
                         const std::vector<ConductorStrip>& rows, AssessmentRequest assessment) {
    const DesignRules rules = search::RulesOf(request, candidate.point);
    const CoreSteel& steel = *steels.Find(rules.steel);
    InMemoryConductorTable table(rows);
    const DesignResult result = DesignTransformer(request.inputs, table, rules, steel);
    assessment.settings.prices.coreSteel = steel.pricePerKg;
    return {result.value(), rules, std::move(assessment)};
}

std::string CandidateJson(const CandidateDesign& design) {
    std::string json;
    AppendDesignRecordJson(json, design.record);
    AppendRulesMember(json, design.rules);
    AppendAssessmentMember(json, design.record, design.assessment);
    return json;
}

std::string BrokenList(search::ConstraintSet broken, const char* separator, bool quoted) {
    std::string list;
    for (int i = 0; i < search::kConstraintCount; ++i) {
        const auto constraint = static_cast<search::Constraint>(i);
        if ((broken & search::Bit(constraint)) == 0) continue;
        if (!list.empty()) list += separator;
        if (quoted) list += '"';
        list += search::ConstraintName(constraint);
        if (quoted) list += '"';
    }
    return list;
}

std::string RulesText(const DesignRules& rules) {
    std::string text = "outputConstant=";
    AppendShortestNumber(text, rules.outputConstant);
    text += ",coreFluxDensity=";
    AppendShortestNumber(text, rules.coreFluxDensity);
    text += ",currentDensity=";
    AppendShortestNumber(text, rules.currentDensity);
    text += ",windowRatio=";
    AppendShortestNumber(text, rules.windowRatio);
    text += ",parallelStrips=" + std::to_string(rules.parallelStrips) + ",steel=" + rules.steel;
    return text;
}

std::string ParetoCsv(const search::SearchRequest& request, const search::SearchOutcome& outcome) {
    std::string csv =
        "materialCost,lossCapitalisation,totalOwningCost,outputConstant,coreFluxDensity,"
        "spaceFactorNumerator,currentDensity,windowRatio,parallelStrips,steel\n";
    for (const search::SearchCandidate& point : outcome.front) {
        const DesignRules rules = search::RulesOf(request, point.point);
        for (const double value :
             {point.score.material, point.score.lossCapitalisation, point.score.totalOwning,
              rules.outputConstant, rules.coreFluxDensity, rules.spaceFactorNumerator,
              rules.currentDensity, rules.windowRatio}) {
            AppendShortestNumber(csv, value);
            csv += ',';
        }
        csv += std::to_string(rules.parallelStrips) + ',' + rules.steel + '\n';
    }
    return csv;
}

}  // namespace

int RunSearchCommand(const SearchCommandOptions& options, const AssessmentRequest& assessment,
                     std::vector<ConductorStrip> rows, const std::filesystem::path& folder,
                     std::ostream& out, std::ostream& err) {
    if (options.objective != "toc" && options.objective != "material") {
        err << "kestrava-design: --objective must be toc or material\n";
        return kExitUsage;
    }
    const LoadedCoreSteels steels = LoadCoreSteels(CoreSteelsFile(folder));
    if (!steels.has_value()) {
        err << "kestrava-design: cannot read the core steels: " << steels.error() << '\n';
        return kExitUsage;
    }
    search::SearchRequest request;
    if (!options.grid.empty()) {
        search::GridReading grid = search::ReadSearchGridFile(options.grid);
        if (!grid.has_value()) {
            err << "kestrava-design: " << grid.error() << '\n';
            return kExitUsage;
        }
        request.grid = std::move(grid).value();
    }
    request.inputs = options.inputs;
    request.settings = assessment.settings;
    request.limits.regime = assessment.regime ? &*assessment.regime : nullptr;
    request.limits.targetImpedancePercent = options.targetImpedancePercent;
    request.objective = options.objective == "material" ? search::Objective::Material
                                                        : search::Objective::TotalOwning;
    const search::SearchRun run = search::RunDesignSearch(request, rows, steels.value());
    if (!run.has_value()) {
        err << "kestrava-design: " << run.error() << '\n';
        return kExitUsage;
    }
    const search::SearchOutcome& outcome = run.value();
    if (!options.pareto.empty()) {
        std::ofstream csv(options.pareto, std::ios::binary | std::ios::trunc);
        csv << ParetoCsv(request, outcome);
        if (!csv.flush()) {
            err << "kestrava-design: cannot write the Pareto front \""
                << EscapedText(options.pareto) << "\"\n";
            return kExitUsage;
        }
    }
    const std::string counts = ",\"evaluated\":" + std::to_string(outcome.evaluated) +
                               ",\"feasible\":" + std::to_string(outcome.feasible) + '}';
    if (!outcome.best.empty()) {
        std::string refinement;
        search::Refinement refined{request, outcome.best.front(), 0};
        if (options.refine) {
            refined = search::RefineBest(request, outcome.best.front(), rows, steels.value());
            refinement = ",\"refinement\":{\"evaluated\":" + std::to_string(refined.evaluated) +
                         ",\"gridBestObjective\":";
            AppendShortestNumber(
                refinement, search::ObjectiveValue(request.objective, outcome.best.front().score));
            refinement += '}';
        }
        const CandidateDesign best =
            Redesign(refined.request, refined.best, steels.value(), rows, assessment);
        out << "{\"best\":" << CandidateJson(best) << refinement << counts << '\n';
        if (!out.flush()) return kExitUsage;
        return options.withBest ? options.withBest(best.record, best.rules, best.assessment)
                                : kExitDesigned;
    }
    err << "No design meets the constraints\n";
    if (!outcome.nearestMiss) {
        err << "No candidate of the grid could be designed.\n";
        out << "{\"best\":null,\"nearestMiss\":null" << counts << '\n';
        return kExitDesignFailed;
    }
    const search::SearchCandidate& miss = *outcome.nearestMiss;
    err << "Nearest miss: " << RulesText(search::RulesOf(request, miss.point)) << " breaks "
        << BrokenList(miss.broken, ", ", false) << '\n';
    out << "{\"best\":null,\"nearestMiss\":{\"broken\":[" << BrokenList(miss.broken, ",", true)
        << "],\"design\":"
        << CandidateJson(Redesign(request, miss, steels.value(), rows, assessment)) << '}' << counts
        << '\n';
    return kExitDesignFailed;
}

}  // namespace kestrava
