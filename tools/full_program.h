#pragma once

#include <CLI/CLI.hpp>

namespace kestrava {

// True when the parsed command line asks for an output that needs the modelling kernel or Qt.
bool AsksForHeavyOutput(const CLI::App& app);

// Runs the same command line in kestrava-design-full beside this program, which links those
// outputs; returns (status 2, with a message) only when it cannot be started.
int RunFullProgram(char** argv);

}  // namespace kestrava
