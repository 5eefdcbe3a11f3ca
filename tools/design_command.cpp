#include "tools/design_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/core_steel_catalogue.h"
#include "engine/design_transformer.h"
#include "engine/escaped_text.h"
#include "engine/rating_texts.h"
#include "records/conductor_table_database.h"
#include "sheet/design_sheet_writer.h"
#include "tools/assessment_request.h"
#include "tools/batch_design.h"
#include "tools/chosen_rules.h"
#include "tools/full_program.h"
#include "tools/heavy_outputs.h"
#include "tools/model_files.h"
#include "tools/record_output.h"
#include "tools/search_command.h"

namespace kestrava {
namespace {

namespace fs = std::filesystem;

constexpr const char* kInconsistentWarning =
    "Warning: \nThe entered values are not consistent!\n"
    "Still you can save the design sheet, but the transformer will look absurd after "
    "designing.\nYou can also enter new parameters by coming back to this form.";

struct CommandOptions {
    RatingTexts rating{.frequency = "50",
                       .connection = std::string(ConnectionName(ConnectionType::DeltaStar)),
                       .tapping = "5"};
    std::string table;
    std::string sheet;
    std::string batch;
    std::string model;
    std::string rules;
    std::string drawing;
    std::string report;
    bool json = false;
    std::string format = "json";
    std::optional<std::string> fields;
    bool assess = false;
    std::string regime;
    std::string settings;
    bool search = false;
    std::string objective = "toc";
    std::string pareto;
    std::string grid;
    bool refine = false;
    std::optional<double> targetImpedance;
};

// The folder of this executable (never the working directory), or nothing when unknown.
std::optional<fs::path> InstallationFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return executable.parent_path();
}

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
    if (!outcome.ok()) {
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

// What --drawing and --report ask for a design made by 'rules', assessed as 'priced' says
// (which must outlive the outputs).
ReportOutputs RequestedReports(const CommandOptions& options, const AssessmentRequest& priced,
                               DesignRules rules, RulesSource source) {
    ReportOutputs reports;
    reports.drawingFile = options.drawing;
    reports.reportFile = options.report;
    reports.settings = priced.settings;
    reports.regime = priced.regime ? &*priced.regime : nullptr;
    reports.rules = std::move(rules);
    reports.rulesSource = source;
    return reports;
}

// Says which option was refused and why.
int RefuseRating(const RatingRefusal& refusal) {
    std::cerr << "kestrava-design: --" << RatingFieldName(refusal.field) << ": " << refusal.reason
              << '\n';
    return kExitUsage;
}

int RunSingle(const CommandOptions& options, std::vector<ConductorStrip> rows,
              const RecordOutput& format, const AssessmentRequest* assessment,
              const HeavyOutputs* heavy) {
    const auto read = ReadRatingTexts(options.rating);
    if (!read.ok()) return RefuseRating(read.error());
    const DesignInputs& inputs = read.value();

    std::optional<ChosenRules> chosen;
    if (!options.rules.empty()) {
        const std::optional<fs::path> folder = InstallationFolder();
        auto picked = ChooseRules(options.rules, inputs.kvaRating,
                                  CoreSteelsFile(folder.value_or(fs::path())));
        if (!picked.ok()) {
            std::cerr << "kestrava-design: " << picked.error() << '\n';
            return kExitUsage;
        }
        chosen = std::move(picked).value();
    }

    InMemoryConductorTable table(std::move(rows));
    const DesignResult result = chosen
                                    ? DesignTransformer(inputs, table, chosen->rules, chosen->steel)
                                    : DesignTransformer(inputs, table);
    if (!result.ok()) {
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
            !written.ok()) {
            std::cerr << "kestrava-design: " << written.error() << '\n';
            return kExitUsage;
        }
    }
    if (!options.model.empty()) {
        const ModelFiles files = ModelFilesFor(options.model).value();
        if (const auto failure = heavy->writeModel(record, files.step, files.gltf)) {
            std::cerr << "kestrava-design: cannot write the model \"" << EscapedText(options.model)
                      << "\": " << *failure << '\n';
            return kExitUsage;
        }
    }
    AssessmentRequest priced = assessment != nullptr ? *assessment : AssessmentRequest{};
    if (chosen) priced.settings.prices.coreSteel = chosen->steel.pricePerKg;
    if (!options.drawing.empty() || !options.report.empty()) {
        const ReportOutputs reports = RequestedReports(
            options, priced, chosen ? chosen->rules : FixedDesignRules(record.kvaRating),
            chosen ? RulesSource::Chosen : RulesSource::Fixed);
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
    if (!read.ok()) return RefuseRating(read.error());
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
                RequestedReports(options, priced, rules, RulesSource::Searched));
        };
    }
    const std::optional<fs::path> folder = InstallationFolder();
    return RunSearchCommand(search, assessment, std::move(rows), folder.value_or(fs::path()),
                            std::cout, std::cerr);
}

// Checks what CLI11 cannot express; refuses with the usage problem.
Result<void, std::string> CheckUsage(const CLI::App& app, const CommandOptions& options) {
    if (app.count("--table") > 0 && options.table.empty())
        return Fail(std::string("--table needs a file name"));
    if (app.count("--batch") > 0) {
        if (options.batch.empty()) return Fail(std::string("--batch needs a file name"));
        return {};
    }
    for (const char* required : {"--kva", "--primary", "--secondary"}) {
        if (app.count(required) == 0)
            return Fail(std::string(required) + " is required (or --batch)");
    }
    if (app.count("--sheet") > 0 && options.sheet.empty())
        return Fail(std::string("--sheet needs a file name or -"));
    if (app.count("--model") > 0) {
        if (auto checked = CheckModelPath(options.model); !checked.ok()) return checked;
    }
    for (const auto& [option, path] :
         {std::pair<const char*, const std::string*>{"--drawing", &options.drawing},
          {"--report", &options.report},
          {"--pareto", &options.pareto}}) {
        if (app.count(option) == 0) continue;
        if (auto checked = CheckOutputPath(option, *path); !checked.ok()) return checked;
    }
    if (app.count("--rules") > 0 && options.rules.empty())
        return Fail(std::string("--rules needs NAME=VALUE,..."));
    if ((app.count("--regime") > 0 || app.count("--settings") > 0) && !options.assess &&
        !options.search && options.report.empty()) {
        return Fail(std::string("--regime and --settings need --assess, --report or --search"));
    }
    if (options.targetImpedance && !(*options.targetImpedance > 0.0)) {
        return Fail(std::string("--target-impedance must be a positive percentage"));
    }
    if (options.sheet == "-" && (options.json || options.assess)) {
        return Fail(
            std::string("--sheet - and the record (--json, --assess, --format, --fields) "
                        "both write to standard output; choose one"));
    }
    if (app.count("--json") > 0 && options.format == "csv") {
        return Fail(std::string("--json contradicts --format csv"));
    }
    return {};
}

}  // namespace

int RunDesignCommand(int argc, char** argv, const HeavyOutputs* heavy) {
    CommandOptions options;
    CLI::App app{"Designs a three-phase core-type transformer from its rating.", "kestrava-design"};
    auto* kva = app.add_option("--kva", options.rating.kva, "kVA rating");
    auto* primary = app.add_option("--primary", options.rating.primary, "H.V. line voltage, V");
    auto* secondary =
        app.add_option("--secondary", options.rating.secondary, "L.V. line voltage, V");
    auto* frequency = app.add_option("--frequency", options.rating.frequency, "frequency, Hz")
                          ->capture_default_str();
    auto* connection =
        app.add_option("--connection", options.rating.connection, ConnectionChoices(" or "))
            ->capture_default_str();
    auto* tapping =
        app.add_option("--tapping", options.rating.tapping, "tapping, %")->capture_default_str();
    app.add_option(
        "--table", options.table,
        "conductor table database (default: Database/Appr_CSA.sqlite beside the program)");
    auto* sheet =
        app.add_option("--sheet", options.sheet, "write the design sheet to FILE, or - for stdout");
    auto* model = app.add_option(
        "--model", options.model,
        "write the 3-D model to FILE.step (or .stp) and, beside it, FILE.glb; or to FILE.glb "
        "alone (the folder must exist)");
    auto* rules = app.add_option(
        "--rules", options.rules,
        "replace design rules, e.g. coreFluxDensity=1.6,steel=hib-023,parallelStrips=2 "
        "(outputConstant, coreFluxDensity, spaceFactorNumerator, currentDensity, windowRatio, "
        "parallelStrips, steel from Standards/core_steels.json)");
    auto* drawing =
        app.add_option("--drawing", options.drawing,
                       "write the general-arrangement drawing to FILE.svg (no display needed)");
    auto* report = app.add_option(
        "--report", options.report,
        "write the design report to FILE.pdf: rating, results, verdicts, charts, drawing, sheet");
    auto* json = app.add_flag("--json", options.json,
                              "print the design record as JSON (the default without --sheet)");
    auto* format = app.add_option("--format", options.format,
                                  "print the record as json or as csv (a header line, then one "
                                  "row per design)")
                       ->check(CLI::IsMember({"json", "csv"}))
                       ->capture_default_str();
    auto* fields = app.add_option(
        "--fields", options.fields,
        "print only these fields, NAME,NAME,...: record fields, consistent, assessment.GROUP.NAME "
        "(with --assess), rules.NAME (with --rules)");
    auto* assess = app.add_flag("--assess", options.assess,
                                "add the assessment to the JSON record (implies --json)");
    app.add_option("--regime", options.regime,
                   "assess against a loss regime: a name in Standards/ beside the program, or "
                   "FILE.json (with --assess, --report or --search)");
    app.add_option("--settings", options.settings,
                   "prices, capitalisation and tank wall thickness for the assessment (JSON; "
                   "with --assess, --report or --search)");
    auto* search = app.add_flag(
        "--search", options.search,
        "search the rule grid for the feasible design of lowest cost; prints its record with "
        "rules and assessment, or exits 1 with the nearest miss");
    auto* objective =
        app.add_option("--objective", options.objective, "what --search minimises: toc or material")
            ->check(CLI::IsMember({"toc", "material"}))
            ->needs(search)
            ->capture_default_str();
    auto* pareto = app.add_option("--pareto", options.pareto,
                                  "write the Pareto front of the search to FILE.csv")
                       ->needs(search);
    auto* grid = app.add_option("--grid", options.grid,
                                "search this grid instead of the default one (JSON; members left "
                                "out keep their default)")
                     ->needs(search);
    auto* refine = app.add_flag("--refine", options.refine,
                                "after the grid, search finer grids around its best design")
                       ->needs(search);
    auto* target = app.add_option("--target-impedance", options.targetImpedance,
                                  "impedance the search must meet within ±10 %, in %")
                       ->needs(search);
    search->excludes(sheet)
        ->excludes(model)
        ->excludes(rules)
        ->excludes(json)
        ->excludes(assess)
        ->excludes(format)
        ->excludes(fields);
    app.add_option("--batch", options.batch,
                   "design every rating of a CSV file, one JSON line (or CSV row) per rating")
        ->excludes(kva)
        ->excludes(primary)
        ->excludes(secondary)
        ->excludes(frequency)
        ->excludes(connection)
        ->excludes(tapping)
        ->excludes(sheet)
        ->excludes(model)
        ->excludes(rules)
        ->excludes(json)
        ->excludes(drawing)
        ->excludes(report)
        ->excludes(search)
        ->excludes(objective)
        ->excludes(pareto)
        ->excludes(grid)
        ->excludes(refine)
        ->excludes(target);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? kExitDesigned : kExitUsage;
    }
    // Choosing a format or fields asks for the record.
    if (format->count() > 0 || fields->count() > 0) options.json = true;
    if (const auto usage = CheckUsage(app, options); !usage.ok()) {
        std::cerr << "kestrava-design: " << usage.error()
                  << "\nRun with --help for more information.\n";
        return kExitUsage;
    }
    const bool batch = app.count("--batch") > 0;
    const auto output = RecordOutput::Choose(
        options.format, options.fields,
        {.assessment = options.assess, .rules = !options.rules.empty()}, batch);
    if (!output.ok()) {
        std::cerr << "kestrava-design: " << output.error() << '\n';
        return kExitUsage;
    }
    if (heavy == nullptr && AsksForHeavyOutput(app)) return RunFullProgram(argv);

    fs::path tablePath = options.table;
    if (tablePath.empty()) {
        const std::optional<fs::path> folder = InstallationFolder();
        if (!folder) {
            std::cerr << "kestrava-design: the program's folder is unknown; name the table with "
                         "--table\n";
            return kExitUsage;
        }
        tablePath = *folder / "Database" / "Appr_CSA.sqlite";
    }
    LoadedConductorTable loaded = LoadConductorTable(tablePath);
    if (!loaded.ok()) {
        std::cerr << "kestrava-design: cannot read the conductor table \""
                  << EscapedText(tablePath.string()) << "\": " << EscapedText(loaded.error())
                  << '\n';
        return kExitUsage;
    }
    std::optional<AssessmentRequest> assessment;
    if (options.assess || options.search || !options.report.empty()) {
        const std::optional<fs::path> folder = InstallationFolder();
        auto request = LoadAssessmentRequest(options.regime, options.settings,
                                             folder.value_or(fs::path()) / "Standards");
        if (!request.ok()) {
            std::cerr << "kestrava-design: " << request.error() << '\n';
            return kExitUsage;
        }
        assessment = std::move(request).value();
    }
    if (options.search) return RunSearch(options, std::move(loaded).value(), *assessment, heavy);
    const AssessmentRequest* request = assessment ? &*assessment : nullptr;
    return batch ? RunBatch(options, loaded.value(), *output, request)
                 : RunSingle(options, std::move(loaded).value(), *output, request, heavy);
}

}  // namespace kestrava
