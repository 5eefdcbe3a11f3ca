#pragma once

#include <string_view>

namespace kestrava {

// Which side of a connection text is star; a text that names no connection is delta on both.
inline bool IsLvStar(std::string_view connection) {
    return connection == "Star-Star" || connection == "Delta-Star";
}
inline bool IsHvStar(std::string_view connection) {
    return connection == "Star-Delta" || connection == "Star-Star";
}

}  // namespace kestrava
