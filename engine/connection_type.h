#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kestrava {

// How the H.V. and L.V. windings are connected, H.V. first; the order is the parameter
// window's list order, which is also the index the record store keeps.
enum class ConnectionType { DeltaStar, StarDelta, StarStar, DeltaDelta };

inline constexpr std::array<ConnectionType, 4> kConnectionTypes = {
    ConnectionType::DeltaStar, ConnectionType::StarDelta, ConnectionType::StarStar,
    ConnectionType::DeltaDelta};

// The name the user sees and types ("Delta-Star"), also written to JSON and the design sheet.
std::string_view ConnectionName(ConnectionType type);

// The connection called exactly 'name', or nothing.
std::optional<ConnectionType> ConnectionNamed(std::string_view name);

// The connection at list position 'index', or nothing outside 0..3.
std::optional<ConnectionType> ConnectionAt(long long index);

// The four names in list order for a message: "Delta-Star, Star-Delta, Star-Star, Delta-Delta"
// with 'lastSeparator' (", " or " or ") before the last.
std::string ConnectionChoices(std::string_view lastSeparator);

// True when the H.V. (primary) winding is star-connected.
bool IsHvStar(ConnectionType type);
// True when the L.V. (secondary) winding is star-connected.
bool IsLvStar(ConnectionType type);

}  // namespace kestrava
