#include "tools/shortest_number.h"

#include <charconv>

namespace kestrava {

void AppendShortestNumber(std::string& out, double value) {
    char text[32];
    out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace kestrava
