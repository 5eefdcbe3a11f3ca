#include "tools/bounded_line_reader.h"

#include <cstring>
#include <istream>

namespace kestrava {

namespace {
constexpr std::size_t kBlockBytes = 64 * 1024;
}

BoundedLineReader::BoundedLineReader(std::istream& input, std::size_t longestLine)
    : input_(input), longestLine_(longestLine), block_(kBlockBytes) {}

bool BoundedLineReader::Refill() {
    input_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
    position_ = 0;
    end_ = static_cast<std::size_t>(input_.gcount());
    return end_ > 0;
}

BoundedLineReader::Line BoundedLineReader::Next(std::string& out) {
    const std::size_t start = out.size();
    // A CR LF ending may take the longest line one byte past the limit before its CR goes.
    const std::size_t room = longestLine_ + 1;
    bool readAnything = false;
    bool tooLong = false;
    while (position_ < end_ || Refill()) {
        readAnything = true;
        const char* begin = block_.data() + position_;
        const std::size_t available = end_ - position_;
        const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length =
            feed != nullptr ? static_cast<std::size_t>(feed - begin) : available;
        if (!tooLong && out.size() - start + length > room) {
            tooLong = true;
            out.resize(start);
        }
        if (!tooLong) out.append(begin, length);
        position_ += length;
        if (feed != nullptr) {
            ++position_;
            break;
        }
    }
    if (!readAnything) return Line::End;
    if (!tooLong && out.size() > start && out.back() == '\r') out.pop_back();
    if (!tooLong && out.size() - start > longestLine_) {
        tooLong = true;
        out.resize(start);
    }
    return tooLong ? Line::TooLong : Line::Kept;
}

}  // namespace kestrava
