#pragma once

#include <filesystem>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "engine/result.h"

namespace kestrava::assess {

// A check of read data that passes, or the problem it found.
using Checked = Result<void, std::string>;

// Refuses 'object' at 'where' (e.g. "prices") if it is not an object or has a member outside
// 'known'.
Checked CheckKnownMembers(const nlohmann::json& object, std::string_view where,
                          std::initializer_list<std::string_view> known);

// The finite number at 'value', or the problem naming 'where'.
Result<double, std::string> FiniteNumber(const nlohmann::json& value, std::string_view where);

// A JSON document, or why there is none.
using JsonDocument = Result<nlohmann::json, std::string>;

JsonDocument ParseJson(std::string_view text);

// '"path": problem'. Built by appending: GCC 12 at -O3 misreads a prefixed temporary string.
std::string PrefixedByPath(const std::filesystem::path& path, std::string_view problem);

// Reads and parses the file at 'path'; the error names the path.
JsonDocument ReadJsonFile(const std::filesystem::path& path);

}  // namespace kestrava::assess
