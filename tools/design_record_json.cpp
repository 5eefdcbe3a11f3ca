#include "tools/design_record_json.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "engine/design_record_fields.h"
#include "sheet/utf8_decode.h"

namespace kestrava {
namespace {

// The numeric and flag fields of one record, gathered in a buffer that holds them all (84
// fields of at most 34 + 24 characters) so that the output grows once per record.
class FieldWriter {
  public:
    FieldWriter() = default;
    FieldWriter(const FieldWriter&) = delete;  // 'end_' points into this object
    FieldWriter& operator=(const FieldWriter&) = delete;

    // Appends ',' (or '{' before the first field) and the quoted key with its ':'.
    template <std::size_t N>
    void Key(const char (&quotedKey)[N]) {
        const char opening = end_ == buffer_.data() ? '{' : ',';
        *end_++ = opening;
        std::memcpy(end_, quotedKey, N - 1);
        end_ += N - 1;
    }
    void Double(double value) {
        if (std::isfinite(value)) {
            end_ = std::to_chars(end_, buffer_.data() + buffer_.size(), value).ptr;
        } else {
            Literal("null");
        }
    }
    void Integer(int value) {
        end_ = std::to_chars(end_, buffer_.data() + buffer_.size(), value).ptr;
    }
    void Bool(bool value) { Literal(value ? "true" : "false"); }
    std::string_view Text() const {
        return {buffer_.data(), static_cast<std::size_t>(end_ - buffer_.data())};
    }

  private:
    void Literal(std::string_view text) {
        std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
    }

    std::array<char, 8192> buffer_;
    char* end_ = buffer_.data();
};

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
    FieldWriter fields;
#define KESTRAVA_WRITE_DOUBLE(name) \
    fields.Key("\"" #name "\":");   \
    fields.Double(record.name);
    KESTRAVA_DESIGN_RECORD_DOUBLE_FIELDS(KESTRAVA_WRITE_DOUBLE)
#undef KESTRAVA_WRITE_DOUBLE
    fields.Key("\"frequency\":");
    fields.Integer(record.frequency);
    fields.Key("\"tapping\":");
    fields.Integer(record.tapping);
    fields.Key("\"hvCoilCount\":");
    fields.Integer(record.hvCoilCount);
    fields.Key("\"hvLayerCount\":");
    fields.Integer(record.hvLayerCount);
    fields.Key("\"engineError\":");
    fields.Bool(record.engineError);
    fields.Key("\"tableFound\":");
    fields.Bool(record.tableFound);
    fields.Key("\"consistent\":");
    fields.Bool(!IsDesignInconsistent(record));

    out += fields.Text();
    out += ",\"connectionType\":";
    AppendJsonString(out, ConnectionName(record.connectionType));
    out += '}';
}

void AppendBatchErrorJson(std::string& out, std::size_t line, std::string_view error) {
    out += "{\"line\":";
    out += std::to_string(line);
    out += ",\"error\":";
    AppendJsonString(out, error);
    out += '}';
}

}  // namespace kestrava
