#include "engine/connection_type.h"

#include <cstddef>

namespace kestrava {
namespace {

struct ConnectionFacts {
    std::string_view name;
    bool hvStar;
    bool lvStar;
};

// Indexed by ConnectionType.
constexpr std::array<ConnectionFacts, 4> kFacts = {{{"Delta-Star", false, true},
                                                    {"Star-Delta", true, false},
                                                    {"Star-Star", true, true},
                                                    {"Delta-Delta", false, false}}};

const ConnectionFacts& FactsOf(ConnectionType type) {
    return kFacts[static_cast<std::size_t>(type)];
}

}  // namespace

std::string_view ConnectionName(ConnectionType type) {
    return FactsOf(type).name;
}

std::optional<ConnectionType> ConnectionNamed(std::string_view name) {
    for (const ConnectionType type : kConnectionTypes) {
        if (ConnectionName(type) == name) return type;
    }
    return std::nullopt;
}

std::optional<ConnectionType> ConnectionAt(long long index) {
    if (index < 0 || index >= static_cast<long long>(kConnectionTypes.size())) return std::nullopt;
    return kConnectionTypes[static_cast<std::size_t>(index)];
}

std::string ConnectionChoices(std::string_view lastSeparator) {
    std::string choices;
    for (std::size_t i = 0; i < kConnectionTypes.size(); ++i) {
        if (i > 0) choices += i + 1 == kConnectionTypes.size() ? lastSeparator : ", ";
        choices += ConnectionName(kConnectionTypes[i]);
    }
    return choices;
}

bool IsHvStar(ConnectionType type) {
    return FactsOf(type).hvStar;
}

bool IsLvStar(ConnectionType type) {
    return FactsOf(type).lvStar;
}

}  // namespace kestrava
