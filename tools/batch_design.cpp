#include "tools/batch_design.h"

#include <algorithm>
#include <array>
#include <istream>
#include <ostream>
#include <string_view>
#include <thread>

#include "engine/design_transformer.h"
#include "tools/design_record_json.h"
#include "tools/rating_texts.h"

namespace kestrava {
namespace {

constexpr std::size_t kFieldCount = 6;
constexpr std::size_t kChunkLines = 2048;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Lines may end in CR LF; the CR is no part of the last field.
void RemoveCarriageReturn(std::string& line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
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
                const AssessmentRequest* assessment, DesignInputs& inputs, std::string& out) {
    std::array<std::string_view, kFieldCount> fields;
    const std::size_t count = SplitFields(line, fields);
    if (count != kFieldCount) {
        std::string message = "expected 6 fields (";
        message.append(kBatchHeader).append("), found ").append(std::to_string(count));
        AppendBatchErrorJson(out, lineNumber, message);
        return false;
    }
    const RatingTexts texts{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    if (const auto refusal = ReadRatingTexts(texts, inputs)) {
        std::string message(refusal->field);
        message.append(": ").append(refusal->reason);
        AppendBatchErrorJson(out, lineNumber, message);
        return false;
    }
    const DesignResult result = DesignTransformer(inputs, table);
    if (!result.ok()) {
        AppendBatchErrorJson(out, lineNumber, result.error().message);
        return false;
    }
    const DesignRecord& record = result.value();
    AppendDesignRecordJson(out, record);
    if (assessment != nullptr) AppendAssessmentMember(out, record, *assessment);
    return true;
}

// Rating lines of one chunk of the file with their line numbers; strings are reused.
struct Chunk {
    std::vector<std::string> lines = std::vector<std::string>(kChunkLines);
    std::vector<std::size_t> numbers = std::vector<std::size_t>(kChunkLines);
    std::size_t count = 0;
};

// Reads up to kChunkLines rating lines, blank lines aside; false when none was left.
bool ReadChunk(std::istream& input, std::size_t& lineNumber, Chunk& chunk) {
    chunk.count = 0;
    while (chunk.count < kChunkLines && std::getline(input, chunk.lines[chunk.count])) {
        ++lineNumber;
        std::string& line = chunk.lines[chunk.count];
        RemoveCarriageReturn(line);
        if (line.empty()) continue;
        chunk.numbers[chunk.count++] = lineNumber;
    }
    return chunk.count > 0;
}

// One thread's share of each chunk, with its own table and output buffer.
struct Worker {
    Worker(const std::vector<ConductorStrip>& rows, const AssessmentRequest* request)
        : table(rows), assessment(request) {}

    void Design(const Chunk& chunk, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            if (!DesignLine(chunk.lines[i], chunk.numbers[i], table, assessment, inputs, out)) {
                ++failed;
            }
            out += '\n';
        }
    }

    InMemoryConductorTable table;
    const AssessmentRequest* assessment;
    DesignInputs inputs;
    std::string out;
    std::size_t failed = 0;
};

}  // namespace

BatchOutcome RunDesignBatch(std::istream& input, std::ostream& output,
                            const std::vector<ConductorStrip>& rows, unsigned threads,
                            const AssessmentRequest* assessment) {
    std::string header;
    if (!std::getline(input, header)) {
        return Fail(
            std::string("the batch file is empty; its first line must be ").append(kBatchHeader));
    }
    RemoveCarriageReturn(header);
    std::string_view headerText = header;
    if (headerText.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        headerText.remove_prefix(kUtf8Mark.size());
    }
    if (headerText != kBatchHeader) {
        return Fail(std::string("the first line of the batch file must be ").append(kBatchHeader));
    }

    BatchCounts counts;
    std::vector<Worker> workers(std::max(threads, 1u), Worker(rows, assessment));
    // The previous chunk's output is written while the next chunk is designed.
    std::vector<std::string> written(workers.size());
    std::thread writer;
    Chunk chunk;
    std::size_t lineNumber = 1;
    while (ReadChunk(input, lineNumber, chunk)) {
        counts.ratings += chunk.count;
        const std::size_t share = (chunk.count + workers.size() - 1) / workers.size();
        std::vector<std::thread> helpers;
        for (std::size_t w = 1; w < workers.size() && w * share < chunk.count; ++w) {
            helpers.emplace_back([&workers, &chunk, w, share] {
                workers[w].Design(chunk, w * share, std::min((w + 1) * share, chunk.count));
            });
        }
        workers[0].Design(chunk, 0, std::min(share, chunk.count));
        for (std::thread& helper : helpers) helper.join();

        if (writer.joinable()) writer.join();
        for (std::size_t w = 0; w < workers.size(); ++w) {
            written[w].swap(workers[w].out);
            workers[w].out.clear();
        }
        writer = std::thread([&output, &written] {
            for (const std::string& text : written) {
                output.write(text.data(), static_cast<std::streamsize>(text.size()));
            }
        });
    }
    if (writer.joinable()) writer.join();
    output.flush();
    for (const Worker& worker : workers) counts.failed += worker.failed;
    if (!output) return Fail(std::string("the results could not be written"));
    if (input.bad()) return Fail(std::string("the batch file could not be read to its end"));
    return counts;
}

}  // namespace kestrava
