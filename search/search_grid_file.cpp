#include "search/search_grid_file.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "assess/json_members.h"

namespace kestrava::search {
namespace {

using nlohmann::json;

Result<double, std::string> Number(const json& object, std::string_view name,
                                   const std::string& where) {
    const auto found = object.find(name);
    const std::string place = where + "." + std::string(name);
    if (found == object.end()) return Fail(place + " is missing");
    return assess::FiniteNumber(*found, place);
}

Result<GridAxis, std::string> ReadAxis(const json& value, const std::string& where) {
    if (auto members = assess::CheckKnownMembers(value, where, {"first", "last", "step"});
        !members.has_value()) {
        return Fail(members.error());
    }
    GridAxis axis;
    for (auto [name, target] : {std::pair<std::string_view, double*>{"first", &axis.first},
                                {"last", &axis.last},
                                {"step", &axis.step}}) {
        auto number = Number(value, name, where);
        if (!number.has_value()) return Fail(number.error());
        *target = *number;
    }
    if (auto checked = CheckAxis(axis); !checked.has_value())
        return Fail(where + ": " + checked.error());
    return axis;
}

Result<void, std::string> ReadSteels(const json& value, SearchGrid& grid) {
    if (!value.is_array() || value.empty()) return Fail("steels must be a list of steels");
    grid.steels.clear();
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "steels[" + std::to_string(i) + "]";
        const json& entry = value[i];
        if (auto members = assess::CheckKnownMembers(entry, where, {"steel", "coreFluxDensity"});
            !members.has_value()) {
            return members;
        }
        const auto steel = entry.find("steel");
        if (steel == entry.end() || !steel->is_string() || steel->get<std::string>().empty()) {
            return Fail(where + ".steel must name a steel");
        }
        const auto flux = entry.find("coreFluxDensity");
        if (flux == entry.end()) return Fail(where + ".coreFluxDensity is missing");
        auto axis = ReadAxis(*flux, where + ".coreFluxDensity");
        if (!axis.has_value()) return Fail(axis.error());
        grid.steels.push_back({steel->get<std::string>(), *axis});
    }
    return {};
}

Result<void, std::string> ReadStrips(const json& value, SearchGrid& grid) {
    if (auto members = assess::CheckKnownMembers(value, "parallelStrips", {"first", "last"});
        !members.has_value()) {
        return members;
    }
    int* targets[] = {&grid.minParallelStrips, &grid.maxParallelStrips};
    const std::string_view names[] = {"first", "last"};
    for (int i = 0; i < 2; ++i) {
        auto number = Number(value, names[i], "parallelStrips");
        if (!number.has_value()) return Fail(number.error());
        if (*number != std::floor(*number) || *number < 1 || *number > 64) {
            return Fail("parallelStrips." + std::string(names[i]) +
                        " must be a whole number from 1 to 64");
        }
        *targets[i] = static_cast<int>(*number);
    }
    return {};
}

GridReading ReadGrid(const json& document, SearchGrid grid) {
    if (auto members = assess::CheckKnownMembers(
            document, "the grid",
            {"outputConstant", "steels", "currentDensity", "windowRatio", "parallelStrips"});
        !members.has_value()) {
        return Fail(members.error());
    }
    for (auto [name, target] :
         {std::pair<const char*, GridAxis*>{"outputConstant", &grid.outputConstant},
          {"currentDensity", &grid.currentDensity},
          {"windowRatio", &grid.windowRatio}}) {
        const auto found = document.find(name);
        if (found == document.end()) continue;
        auto axis = ReadAxis(*found, name);
        if (!axis.has_value()) return Fail(axis.error());
        *target = *axis;
    }
    if (const auto steels = document.find("steels"); steels != document.end()) {
        if (auto read = ReadSteels(*steels, grid); !read.has_value()) return Fail(read.error());
    }
    if (const auto strips = document.find("parallelStrips"); strips != document.end()) {
        if (auto read = ReadStrips(*strips, grid); !read.has_value()) return Fail(read.error());
    }
    if (auto checked = CheckGrid(grid); !checked.has_value()) return Fail(checked.error());
    return grid;
}

json AxisJson(const GridAxis& axis) {
    return {{"first", axis.first}, {"last", axis.last}, {"step", axis.step}};
}

}  // namespace

GridReading ParseSearchGrid(std::string_view text, const SearchGrid& base) {
    const assess::JsonDocument document = assess::ParseJson(text);
    if (!document.has_value()) return Fail(document.error());
    return ReadGrid(*document, base);
}

GridReading ReadSearchGridFile(const std::filesystem::path& path, const SearchGrid& base) {
    const assess::JsonDocument document = assess::ReadJsonFile(path);
    if (!document.has_value()) return Fail(document.error());
    GridReading grid = ReadGrid(*document, base);
    if (!grid.has_value()) return Fail(assess::PrefixedByPath(path, grid.error()));
    return grid;
}

std::string SearchGridJson(const SearchGrid& grid) {
    json steels = json::array();
    for (const SteelFluxAxis& steel : grid.steels) {
        steels.push_back(
            {{"steel", steel.steel}, {"coreFluxDensity", AxisJson(steel.coreFluxDensity)}});
    }
    const json document = {
        {"outputConstant", AxisJson(grid.outputConstant)},
        {"steels", steels},
        {"currentDensity", AxisJson(grid.currentDensity)},
        {"windowRatio", AxisJson(grid.windowRatio)},
        {"parallelStrips", {{"first", grid.minParallelStrips}, {"last", grid.maxParallelStrips}}}};
    return document.dump(2) + '\n';
}

}  // namespace kestrava::search
