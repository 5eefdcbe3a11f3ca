#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/result.h"
#include "search/search_grid.h"

namespace kestrava::search {

using GridReading = Result<SearchGrid, std::string>;

// Reads grid text over 'base': members left out keep the value of 'base'; unknown members, values
// that are not numbers and grids that cannot be enumerated are refused.
//   {"outputConstant": {"first": 0.35, "last": 0.75, "step": 0.01},
//    "steels": [{"steel": "hib-023", "coreFluxDensity": {"first": 1.2, "last": 1.7, "step":
//    0.05}}], "currentDensity": {...}, "windowRatio": {...}, "parallelStrips": {"first": 1, "last":
//    4}}
// An axis given names all three of its values; "steels" replaces the whole list of steels.
GridReading ParseSearchGrid(std::string_view text, const SearchGrid& base = {});
GridReading ReadSearchGridFile(const std::filesystem::path& path, const SearchGrid& base = {});

// 'grid' as text ParseSearchGrid reads back to the same grid.
std::string SearchGridJson(const SearchGrid& grid);

}  // namespace kestrava::search
