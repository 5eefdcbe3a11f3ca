#pragma once

#include <string>

namespace kestrava {

// Appends 'value' in its shortest form that reads back to the same double (std::to_chars), the
// one form every output of the command uses for numbers.
void AppendShortestNumber(std::string& out, double value);

}  // namespace kestrava
