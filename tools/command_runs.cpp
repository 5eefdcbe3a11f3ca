#include "tools/command_runs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "engine/core_steel_catalogue.h"
#include "engine/design_transformer.h"
#include "engine/escaped_text.h"
#include "sheet/design_sheet_writer.h"
#include "tools/batch_design.h"
#include "tools/chosen_rules.h"
#include "tools/design_command.h"
#include "tools/heavy_outputs.h"
#include "tools/model_files.h"
#include "tools/search_command.h"

namespace kestrava {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInconsistentWarning =
    "Warning: \nThe entered values are not consistent!\n"
    "Still you can save the design sheet, but the transformer will look absurd after "
    "designing.\nYou can also enter new parameters by coming back to this form.";

// The system's reason for a failed write to standard output.
std::string OutputFailure(int error) {
    std::string message = "cannot write the results to standard output";
    if (error != 0) message.append(": ").append(std::strerror(error));
    return message;
}

// Engine messages end their lines the way the windows do; a terminal wants plain line feeds.
std::string WithLineFeeds(std::string text) {
    for (std::size_t pos = text.find("\r\n"); pos != std::string::npos;
         pos = text.find("\r\n", pos)) {
        text.erase(pos, 1);
    }
    return text;
}

// One share of each batch chunk per core, at most eight.
unsigned BatchThreads() {
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

// What --drawing and --report ask for a design made by 'rules', assessed as 'priced' says
// (which must outlive the outputs).
ReportOutputs RequestedReports(const CommandOptions& options, const AssessmentRequest& priced,
                               DesignRules rules, report::RulesOrigin origin) {
    ReportOutputs reports;
    reports.drawingFile = options.drawing;
    reports.reportFile = options.report;
    reports.settings = priced.settings;
    reports.regime = priced.regime ? &*priced.regime : nullptr;
    reports.rules = std::move(rules);
    reports.origin = origin;
    return reports;
}

// Says which option was refused and why.
int RefuseRating(const RatingRefusal& refusal) {
    std::cerr << "kestrava-design: --" << RatingFieldName(refusal.field) << ": " << refusal.reason
              << '\n';
    return kExitUsage;
}

}  // namespace

// The folder of this executable (never the working directory), or nothing when unknown.
std::optional<fs::path> InstallationFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return executable.parent_path();
}

int RunBatch(const CommandOptions& options, const std::vector<ConductorStrip>& rows,
             const RecordOutput& format, const AssessmentRequest* assessment) {
    // A folder opens as a stream that reads nothing; say what it is.
    std::error_code folderCheck;
    const int openError = fs::is_directory(options.batch, folderCheck) ? EISDIR : 0;
    std::ifstream input;
    if (openError == 0) input.open(options.batch, std::ios::binary);
    if (!input.is_open()) {
        std::cerr << "kestrava-design: cannot open the batch file \"" << EscapedText(options.batch)
                  << "\": " << std::strerror(openError != 0 ? openError : errno) << '\n';
        return kExitUsage;
    }
    const BatchOutcome outcome =
        RunDesignBatch(input, std::cout, rows, BatchThreads(), format, assessment);
    if (!outcome.has_value()) {
        std::cerr << "kestrava-design: " << outcome.error() << '\n';
        return kExitUsage;
    }
    if (outcome->failed == outcome->ratings) {
        std::cerr << "kestrava-design: "
                  << (outcome->ratings == 0 ? std::string("the batch file holds no ratings")
                                            : "none of the " + std::to_string(outcome->ratings) +
                                                  " ratings gave a design")
                  << '\n';
        return kExitDesignFailed;
    }
    if (outcome->failed > 0) {
        std::cerr << "kestrava-design: " << outcome->failed << " of " << outcome->ratings
                  << " ratings gave no design\n";
    }
    return kExitDesigned;
}

int RunSingle(const CommandOptions& options, std::vector<ConductorStrip> rows,
              const RecordOutput& format, const AssessmentRequest* assessment,
              const HeavyOutputs* heavy) {
    const auto read = ReadRatingTexts(options.rating);
    if (!read.has_value()) return RefuseRating(read.error());
    const DesignInputs& inputs = read.value();

    std::optional<ChosenRules> chosen;
    if (!options.rules.empty()) {
        const std::optional<fs::path> folder = InstallationFolder();
        auto picked = ChooseRules(options.rules, inputs.kvaRating,
                                  CoreSteelsFile(folder.value_or(fs::path())));
        if (!picked.has_value()) {
            std::cerr << "kestrava-design: " << picked.error() << '\n';
            return kExitUsage;
        }
        chosen = std::move(picked).value();
    }

    InMemoryConductorTable table(std::move(rows));
    const DesignResult result = chosen
                                    ? DesignTransformer(inputs, table, chosen->rules, chosen->steel)
                                    : DesignTransformer(inputs, table);
    if (!result.has_value()) {
        std::cerr << WithLineFeeds(result.error().message) << '\n';
        return kExitDesignFailed;
    }
    const DesignRecord& record = result.value();
    if (IsDesignInconsistent(record)) std::cerr << kInconsistentWarning << '\n';

    errno = 0;
    if (options.sheet == "-") {
        std::cout << FormatDesignSheet(record, options.rating);
    } else if (!options.sheet.empty()) {
        if (const auto written = WriteDesignSheet(options.sheet, record, options.rating);
            !written.has_value()) {
            std::cerr << "kestrava-design: " << written.error() << '\n';
            return kExitUsage;
        }
    }
    if (!options.model.empty()) {
        const ModelFiles files = ModelFilesFor(options.model).value();
        if (const auto written = heavy->writeModel(record, files.step, files.gltf);
            !written.has_value()) {
            std::cerr << "kestrava-design: cannot write the model \"" << EscapedText(options.model)
                      << "\": " << written.error() << '\n';
            return kExitUsage;
        }
    }
    AssessmentRequest priced = assessment != nullptr ? *assessment : AssessmentRequest{};
    if (chosen) priced.settings.prices.coreSteel = chosen->steel.pricePerKg;
    if (!options.drawing.empty() || !options.report.empty()) {
        const ReportOutputs reports = RequestedReports(
            options, priced, chosen ? chosen->rules : FixedDesignRules(record.kvaRating),
            chosen ? report::RulesOrigin::Chosen : report::RulesOrigin::Fixed);
        if (const int status = heavy->writeReports(record, options.rating, reports);
            status != kExitDesigned) {
            return status;
        }
    }
    if (options.json || options.assess || options.sheet.empty()) {
        std::string text;
        format.AppendHeader(text);
        format.AppendDesign(text, record, chosen ? &chosen->rules : nullptr,
                            options.assess ? &priced : nullptr);
        std::cout << text << '\n';
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "kestrava-design: " << OutputFailure(errno) << '\n';
        return kExitUsage;
    }
    return kExitDesigned;
}

int RunSearch(const CommandOptions& options, std::vector<ConductorStrip> rows,
              const AssessmentRequest& assessment, const HeavyOutputs* heavy) {
    const auto read = ReadRatingTexts(options.rating);
    if (!read.has_value()) return RefuseRating(read.error());
    SearchCommandOptions search;
    search.inputs = read.value();
    search.objective = options.objective;
    search.pareto = options.pareto;
    search.grid = options.grid;
    search.refine = options.refine;
    search.targetImpedancePercent = options.targetImpedance;
    if (heavy != nullptr) {
        search.withBest = [&](const DesignRecord& record, const DesignRules& rules,
                              const AssessmentRequest& priced) {
            return heavy->writeReports(
                record, options.rating,
                RequestedReports(options, priced, rules, report::RulesOrigin::Searched));
        };
    }
    const std::optional<fs::path> folder = InstallationFolder();
    return RunSearchCommand(search, assessment, std::move(rows), folder.value_or(fs::path()),
                            std::cout, std::cerr);
}

}  // namespace kestrava
