#include "cad/ui/display_group.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace kestrava::cad::ui {
namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

DisplayGroup DisplayGroupOfSolid(std::string_view solidName) {
    // Checked in this order: an insulation's name also names the windings it separates.
    static constexpr std::array<std::pair<std::string_view, DisplayGroup>, 6> kKeywords{{
        {"insulation", DisplayGroup::Insulation},
        {"winding", DisplayGroup::Winding},
        {"wide plate", DisplayGroup::LimbWidePlate},
        {"cross plate", DisplayGroup::LimbCrossPlate},
        {"yoke", DisplayGroup::Yoke},
        {"tank", DisplayGroup::Tank},
    }};
    const std::string name = LowerCase(solidName);
    for (const auto& [keyword, group] : kKeywords) {
        if (name.find(keyword) != std::string::npos) return group;
    }
    return DisplayGroup::Other;
}

PolygonOffset PolygonOffsetOf(DisplayGroup group) {
    switch (group) {
        case DisplayGroup::Yoke:
            return {1.0F, 0.0F};
        case DisplayGroup::LimbCrossPlate:
            return {1.0F, 3.0F};
        case DisplayGroup::LimbWidePlate:
            return {1.0F, 6.0F};
        case DisplayGroup::Tank:
            return {1.0F, 9.0F};
        case DisplayGroup::Winding:
        case DisplayGroup::Insulation:
        case DisplayGroup::Other:
            break;
    }
    return {};
}

}  // namespace kestrava::cad::ui
