#pragma once

namespace kestrava {

// Exit statuses of kestrava-design.
inline constexpr int kExitDesigned = 0;
inline constexpr int kExitDesignFailed = 1;
inline constexpr int kExitUsage = 2;  // also unreadable or unwritable files

struct HeavyOutputs;

// Runs the kestrava-design command line with the process's standard streams. 'heavy' is null in
// the light program, which hands a run asking for a heavy output to kestrava-design-full.
int RunDesignCommand(int argc, char** argv, const HeavyOutputs* heavy);

}  // namespace kestrava
