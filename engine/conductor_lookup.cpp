#include "engine/conductor_lookup.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "engine/number_text.h"

namespace kestrava {
namespace {

constexpr const char* kTooManyRowsText = "Overflow (the conductor table has more than 32767 rows)";
constexpr const char* kNoPreviousRowText =
    "No current record (the first row of the conductor table is already larger than the "
    "required area)";

const ConductorStrip* FirstRowWithArea(std::span<const ConductorStrip> rows, double area) {
    for (const ConductorStrip& row : rows) {
        if (row.area == area) return &row;
    }
    return nullptr;
}

}  // namespace

StripLookup LookupConductorStrip(double requiredArea, ConductorTableSource& table) {
    const ConductorRows opened = table.OpenRows();
    if (!opened.has_value()) return Fail(opened.error());
    const std::span<const ConductorStrip> rows = opened.value();

    for (const int decimals : {2, 1}) {
        if (const ConductorStrip* row =
                FirstRowWithArea(rows, RoundToDecimals(requiredArea, decimals))) {
            return *row;
        }
    }

    if (rows.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        return Fail(std::string(kTooManyRowsText));
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].area > requiredArea) {
            if (i == 0) return Fail(std::string(kNoPreviousRowText));
            const double distanceUp = rows[i].area - requiredArea;
            const double distanceDown = requiredArea - rows[i - 1].area;
            return distanceDown < distanceUp ? rows[i - 1] : rows[i];
        }
    }
    return std::optional<ConductorStrip>();
}

}  // namespace kestrava
