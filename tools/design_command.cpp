#include "tools/design_command.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "engine/escaped_text.h"
#include "engine/installation_paths.h"
#include "records/conductor_table_database.h"
#include "tools/assessment_request.h"
#include "tools/command_options.h"
#include "tools/command_runs.h"
#include "tools/full_program.h"
#include "tools/model_files.h"
#include "tools/record_output.h"

namespace kestrava {
namespace {

namespace fs = std::filesystem;

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
        if (auto checked = CheckModelPath(options.model); !checked.has_value()) return checked;
    }
    for (const auto& [option, path] :
         {std::pair<const char*, const std::string*>{"--drawing", &options.drawing},
          {"--report", &options.report},
          {"--pareto", &options.pareto}}) {
        if (app.count(option) == 0) continue;
        if (auto checked = CheckOutputPath(option, *path); !checked.has_value()) return checked;
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
    if (const auto usage = CheckUsage(app, options); !usage.has_value()) {
        std::cerr << "kestrava-design: " << usage.error()
                  << "\nRun with --help for more information.\n";
        return kExitUsage;
    }
    const bool batch = app.count("--batch") > 0;
    const auto output = RecordOutput::Choose(
        options.format, options.fields,
        {.assessment = options.assess, .rules = !options.rules.empty()}, batch);
    if (!output.has_value()) {
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
        tablePath = ConductorTableFile(*folder);
    }
    LoadedConductorTable loaded = LoadConductorTable(tablePath);
    if (!loaded.has_value()) {
        std::cerr << "kestrava-design: cannot read the conductor table \""
                  << EscapedText(tablePath.string()) << "\": " << EscapedText(loaded.error())
                  << '\n';
        return kExitUsage;
    }
    std::optional<AssessmentRequest> assessment;
    if (options.assess || options.search || !options.report.empty()) {
        const std::optional<fs::path> folder = InstallationFolder();
        auto request = LoadAssessmentRequest(options.regime, options.settings,
                                             StandardsFolder(folder.value_or(fs::path())));
        if (!request.has_value()) {
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
