#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "engine/result.h"

namespace kestrava {

// Why a file could not be replaced: the step that failed ("create", "write", "flush",
// "replace") and the system's error number (0 when the writer failed without one).
struct FileReplaceFailure {
    std::string_view action;
    int error = 0;
};

// The file was replaced, or the step that failed.
using FileReplaced = Result<void, FileReplaceFailure>;

// Writes the new contents: into the open 'fd', or by name into 'path' (both name the same
// file). Returns false on failure, leaving errno set when the system gave a reason.
using FileContentsWriter = std::function<bool(int fd, const std::filesystem::path& path)>;

// Replaces the file 'target' so that readers, other writers and a power cut see the old
// contents or the new ones, never a mix. A symlink is followed and its target replaced. A
// device, pipe or other special file is written straight into. A regular file (or a new name)
// is written to a short-named temporary file in the same folder, flushed to disk, renamed
// over the target and the folder flushed; a replaced file keeps its permissions.
FileReplaced ReplaceFile(const std::filesystem::path& target, const FileContentsWriter& write);

// ReplaceFile with 'bytes' as the whole new contents.
FileReplaced ReplaceFileBytes(const std::filesystem::path& target, std::string_view bytes);

// "Cannot <action> <what> \"<path>\": <reason>", the reason left out when there is none.
std::string DescribeFileFailure(const FileReplaceFailure& failure, std::string_view what,
                                const std::filesystem::path& path);

}  // namespace kestrava
