#include "assess/json_members.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "engine/escaped_text.h"

namespace kestrava::assess {

Checked CheckKnownMembers(const nlohmann::json& object, std::string_view where,
                          std::initializer_list<std::string_view> known) {
    if (!object.is_object()) return Fail(std::string(where) + " must be an object");
    for (const auto& [key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            return Fail("unknown member \"" + key + "\" in " + std::string(where));
        }
    }
    return {};
}

Result<double, std::string> FiniteNumber(const nlohmann::json& value, std::string_view where) {
    if (!value.is_number()) return Fail(std::string(where) + " must be a number");
    const double number = value.get<double>();
    if (!std::isfinite(number)) return Fail(std::string(where) + " must be finite");
    return number;
}

JsonDocument ParseJson(std::string_view text) {
    try {
        return nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& error) {
        return Fail(std::string("not JSON: ") + error.what());
    } catch (const nlohmann::json::exception& error) {  // a number beyond double
        return Fail(std::string("a number is out of range: ") + error.what());
    }
}

std::string PrefixedByPath(const std::filesystem::path& path, std::string_view problem) {
    std::string text(1, '"');
    text.append(EscapedText(path.string())).append("\": ").append(problem);
    return text;
}

JsonDocument ReadJsonFile(const std::filesystem::path& path) {
    const auto unreadable = [&](const char* reason) -> JsonDocument {
        return Fail("cannot read \"" + EscapedText(path.string()) + "\": " + reason);
    };
    // A folder opens like a file and then reads as nothing.
    if (std::error_code ignored; std::filesystem::is_directory(path, ignored)) {
        return unreadable(std::strerror(EISDIR));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return unreadable(std::strerror(errno));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return unreadable("read failure");
    JsonDocument document = ParseJson(bytes.str());
    if (!document.has_value()) return Fail(PrefixedByPath(path, document.error()));
    return document;
}

}  // namespace kestrava::assess
