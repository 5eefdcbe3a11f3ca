#pragma once

namespace kestrava {

// Exit statuses of kestrava-design.
inline constexpr int kExitDesigned = 0;
inline constexpr int kExitDesignFailed = 1;
inline constexpr int kExitUsage = 2;  // also unreadable or unwritable files

// Runs the kestrava-design command line with the process's standard streams.
int RunDesignCommand(int argc, char** argv);

}  // namespace kestrava
