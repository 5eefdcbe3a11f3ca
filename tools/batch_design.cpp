#include "tools/batch_design.h"

#include <algorithm>
#include <array>
#include <istream>
#include <ostream>
#include <string_view>
#include <thread>

#include "engine/design_transformer.h"
#include "engine/rating_texts.h"
#include "tools/bounded_line_reader.h"

namespace kestrava {
namespace {

constexpr std::size_t kFieldCount = 6;
constexpr std::size_t kChunkLines = 2048;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A line longer than this is not read into memory; it becomes an error line.
constexpr std::size_t kLongestLine = 64 * 1024;
constexpr std::string_view kTooLongMessage = "line too long (more than 65536 bytes)";
// A chunk stops at kChunkLines lines or soon after this many bytes, whichever comes first.
constexpr std::size_t kChunkBytes = 1024 * 1024;

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
                const RecordOutput& format, const AssessmentRequest* assessment, std::string& out) {
    std::array<std::string_view, kFieldCount> fields;
    const std::size_t count = SplitFields(line, fields);
    if (count != kFieldCount) {
        std::string message = "expected 6 fields (";
        message.append(kBatchHeader).append("), found ").append(std::to_string(count));
        format.AppendFailure(out, lineNumber, message);
        return false;
    }
    const auto read =
        ReadRatingTexts({std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                         std::string(fields[3]), std::string(fields[4]), std::string(fields[5])});
    if (!read.has_value()) {
        std::string message(RatingFieldName(read.error().field));
        message.append(": ").append(read.error().reason);
        format.AppendFailure(out, lineNumber, message);
        return false;
    }
    const DesignResult result = DesignTransformer(read.value(), table);
    if (!result.has_value()) {
        format.AppendFailure(out, lineNumber, result.error().message);
        return false;
    }
    format.AppendBatchDesign(out, lineNumber, result.value(), assessment);
    return true;
}

// Rating lines of one chunk of the file, one after another in one buffer that is reused.
struct Chunk {
    struct Line {
        std::size_t begin = 0;
        std::size_t size = 0;
        std::size_t number = 0;  // in the file
        bool tooLong = false;
    };
    std::string_view Text(const Line& line) const { return {text.data() + line.begin, line.size}; }

    std::string text;
    std::vector<Line> lines;
};

// Reads up to kChunkLines rating lines or about kChunkBytes, blank lines aside; false when none
// was left.
bool ReadChunk(BoundedLineReader& reader, std::size_t& lineNumber, Chunk& chunk) {
    chunk.text.clear();
    chunk.lines.clear();
    while (chunk.lines.size() < kChunkLines && chunk.text.size() < kChunkBytes) {
        const std::size_t begin = chunk.text.size();
        const BoundedLineReader::Line read = reader.Next(chunk.text);
        if (read == BoundedLineReader::Line::End) break;
        ++lineNumber;
        if (chunk.text.size() == begin && read == BoundedLineReader::Line::Kept) continue;
        chunk.lines.push_back({begin, chunk.text.size() - begin, lineNumber,
                               read == BoundedLineReader::Line::TooLong});
    }
    return !chunk.lines.empty();
}

// One thread's share of each chunk, with its own table and output buffer.
struct Worker {
    Worker(const std::vector<ConductorStrip>& rows, const RecordOutput& output,
           const AssessmentRequest* request)
        : table(rows), format(output), assessment(request) {}

    void Design(const Chunk& chunk, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const Chunk::Line& line = chunk.lines[i];
            if (line.tooLong) {
                format.AppendFailure(out, line.number, kTooLongMessage);
                ++failed;
            } else if (!DesignLine(chunk.Text(line), line.number, table, format, assessment, out)) {
                ++failed;
            }
            out += '\n';
        }
    }

    InMemoryConductorTable table;
    const RecordOutput& format;
    const AssessmentRequest* assessment;
    std::string out;
    std::size_t failed = 0;
};

}  // namespace

BatchOutcome RunDesignBatch(std::istream& input, std::ostream& output,
                            const std::vector<ConductorStrip>& rows, unsigned threads,
                            const RecordOutput& format, const AssessmentRequest* assessment) {
    BoundedLineReader reader(input, kLongestLine);
    std::string header;
    const BoundedLineReader::Line headerRead = reader.Next(header);
    if (headerRead == BoundedLineReader::Line::End) {
        return Fail(
            std::string("the batch file is empty; its first line must be ").append(kBatchHeader));
    }
    std::string_view headerText = header;
    if (headerText.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        headerText.remove_prefix(kUtf8Mark.size());
    }
    if (headerText != kBatchHeader) {
        return Fail(std::string("the first line of the batch file must be ").append(kBatchHeader));
    }

    std::string outputHeader;
    format.AppendHeader(outputHeader);
    output << outputHeader;

    BatchCounts counts;
    std::vector<Worker> workers(std::max(threads, 1u), Worker(rows, format, assessment));
    // The previous chunk's output is written while the next chunk is designed.
    std::vector<std::string> written(workers.size());
    std::thread writer;
    Chunk chunk;
    std::size_t lineNumber = 1;
    while (ReadChunk(reader, lineNumber, chunk)) {
        const std::size_t count = chunk.lines.size();
        counts.ratings += count;
        const std::size_t share = (count + workers.size() - 1) / workers.size();
        std::vector<std::thread> helpers;
        for (std::size_t w = 1; w < workers.size() && w * share < count; ++w) {
            helpers.emplace_back([&workers, &chunk, w, share, count] {
                workers[w].Design(chunk, w * share, std::min((w + 1) * share, count));
            });
        }
        workers[0].Design(chunk, 0, std::min(share, count));
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
