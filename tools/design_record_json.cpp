#include "tools/design_record_json.h"

#include <array>
#include <charconv>
#include <cmath>

#include "engine/design_record_fields.h"
#include "sheet/utf8_decode.h"

namespace kestrava {
namespace {

void AppendDouble(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

void AppendInteger(std::string& out, long long value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

void AppendBool(std::string& out, bool value) {
    out += value ? "true" : "false";
}

void AppendEscapedControl(std::string& out, unsigned char c) {
    constexpr std::string_view kHex = "0123456789abcdef";
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(text, pos, codePoint);
        if (length == 0) {
            out += "\\ufffd";
            ++pos;
            continue;
        }
        if (length > 1) {
            out.append(text.substr(pos, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            AppendEscapedControl(out, static_cast<unsigned char>(c));
        } else {
            out += c;
        }
        pos += length;
    }
    out += '"';
}

void AppendDesignRecordJson(std::string& out, const DesignRecord& record) {
    // The first double opens the object; every later field starts with its comma.
    char separator = '{';
#define KESTRAVA_APPEND_DOUBLE(name) \
    out += separator;                \
    out += "\"" #name "\":";         \
    AppendDouble(out, record.name);  \
    separator = ',';
    KESTRAVA_DESIGN_RECORD_DOUBLE_FIELDS(KESTRAVA_APPEND_DOUBLE)
#undef KESTRAVA_APPEND_DOUBLE

    out += ",\"frequency\":";
    AppendInteger(out, record.frequency);
    out += ",\"connectionType\":";
    AppendJsonString(out, record.connectionType);
    out += ",\"tapping\":";
    AppendInteger(out, record.tapping);
    out += ",\"hvCoilCount\":";
    AppendInteger(out, record.hvCoilCount);
    out += ",\"hvLayerCount\":";
    AppendInteger(out, record.hvLayerCount);
    out += ",\"engineError\":";
    AppendBool(out, record.engineError);
    out += ",\"tableFound\":";
    AppendBool(out, record.tableFound);
    out += ",\"consistent\":";
    AppendBool(out, !IsDesignInconsistent(record));
    out += '}';
}

void AppendBatchErrorJson(std::string& out, std::size_t line, std::string_view error) {
    out += "{\"line\":";
    AppendInteger(out, static_cast<long long>(line));
    out += ",\"error\":";
    AppendJsonString(out, error);
    out += '}';
}

}  // namespace kestrava
