#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace kestrava {

// Reads lines from a stream in fixed blocks, so that a line of any length costs no more memory
// than the longest line it keeps.
class BoundedLineReader {
  public:
    enum class Line { Kept, TooLong, End };

    BoundedLineReader(std::istream& input, std::size_t longestLine);

    // Appends the next line, without its ending (LF, CR LF or a last CR), to 'out' (Kept); or
    // skips a line longer than 'longestLine' bytes to its line feed, leaving 'out' as it was
    // (TooLong); or says the input has ended (End).
    Line Next(std::string& out);

  private:
    bool Refill();

    std::istream& input_;
    std::size_t longestLine_;
    std::vector<char> block_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

}  // namespace kestrava
