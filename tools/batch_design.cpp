#include "tools/batch_design.h"

#include <array>
#include <istream>
#include <ostream>
#include <string_view>
#include <variant>

#include "engine/design_transformer.h"
#include "tools/design_record_json.h"
#include "tools/rating_texts.h"

namespace kestrava {
namespace {

constexpr std::size_t kFieldCount = 6;
constexpr std::size_t kFlushSize = 1 << 20;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Splits 'line' at commas; returns how many fields it has (only the first six are kept).
std::size_t SplitFields(std::string_view line, std::array<std::string_view, kFieldCount>& fields) {
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = line.find(',');
        if (count < kFieldCount) fields[count] = line.substr(0, comma);
        ++count;
        if (comma == std::string_view::npos) return count;
        line.remove_prefix(comma + 1);
    }
}

// Designs one rating line into 'out'; returns false when it became an error line.
bool DesignLine(std::string_view line, std::size_t lineNumber, ConductorTableSource& table,
                DesignInputs& inputs, std::string& out) {
    std::array<std::string_view, kFieldCount> fields;
    const std::size_t count = SplitFields(line, fields);
    if (count != kFieldCount) {
        AppendBatchErrorJson(out, lineNumber,
                             "expected 6 fields (" + std::string(kBatchHeader) + "), found " +
                                 std::to_string(count));
        return false;
    }
    const RatingTexts texts{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    if (const auto refusal = ReadRatingTexts(texts, inputs)) {
        AppendBatchErrorJson(out, lineNumber, std::string(refusal->field) + ": " + refusal->reason);
        return false;
    }
    const DesignResult result = DesignTransformer(inputs, table);
    if (const auto* failure = std::get_if<DesignFailure>(&result)) {
        AppendBatchErrorJson(out, lineNumber, failure->message);
        return false;
    }
    AppendDesignRecordJson(out, std::get<DesignRecord>(result));
    return true;
}

}  // namespace

BatchOutcome RunDesignBatch(std::istream& input, std::ostream& output,
                            ConductorTableSource& table) {
    BatchOutcome outcome;
    std::string line;
    if (!std::getline(input, line)) {
        outcome.error =
            "the batch file is empty; its first line must be " + std::string(kBatchHeader);
        return outcome;
    }
    std::string_view header = WithoutLineEnd(line);
    if (header.substr(0, kUtf8Mark.size()) == kUtf8Mark) header.remove_prefix(kUtf8Mark.size());
    if (header != kBatchHeader) {
        outcome.error = "the first line of the batch file must be " + std::string(kBatchHeader);
        return outcome;
    }

    DesignInputs inputs;
    std::string out;
    out.reserve(kFlushSize + (kFlushSize >> 2));
    for (std::size_t lineNumber = 2; std::getline(input, line); ++lineNumber) {
        const std::string_view rating = WithoutLineEnd(line);
        if (rating.empty()) continue;
        ++outcome.ratings;
        if (!DesignLine(rating, lineNumber, table, inputs, out)) ++outcome.failed;
        out += '\n';
        if (out.size() >= kFlushSize) {
            output.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    }
    output.write(out.data(), static_cast<std::streamsize>(out.size()));
    output.flush();
    if (input.bad()) outcome.error = "the batch file could not be read to its end";
    if (!output) outcome.error = "the results could not be written";
    return outcome;
}

}  // namespace kestrava
