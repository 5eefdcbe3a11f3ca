#include "tools/full_program.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "tools/design_command.h"

namespace kestrava {
namespace {

// The options whose output needs the modelling kernel or Qt.
constexpr const char* kHeavyOptions[] = {"--model", "--drawing", "--report"};
constexpr const char* kFullProgramName = "kestrava-design-full";

}  // namespace

bool AsksForHeavyOutput(const CLI::App& app) {
    return std::any_of(std::begin(kHeavyOptions), std::end(kHeavyOptions),
                       [&app](const char* name) { return app.count(name) > 0; });
}

int RunFullProgram(char** argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path full = self.parent_path() / kFullProgramName;
    std::cout.flush();
    execv(full.c_str(), argv);
    std::cerr << "kestrava-design: cannot start \"" << full.string()
              << "\": " << std::strerror(errno) << '\n';
    return kExitUsage;
}

}  // namespace kestrava
