#include "engine/conductor_lookup.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <utility>

#include "engine/number_text.h"

namespace kestrava {
namespace {

constexpr const char* kTooManyRowsText = "Overflow (the conductor table has more than 32767 rows)";
constexpr const char* kNoPreviousRowText =
    "No current record (the first row of the conductor table is already larger than the "
    "required area)";

StripLookup Found(const ConductorStrip& strip) {
    return {StripLookup::Outcome::Found, strip, {}};
}

StripLookup Failed(std::string description) {
    return {StripLookup::Outcome::Error, {}, std::move(description)};
}

const ConductorStrip* FirstRowWithArea(std::span<const ConductorStrip> rows, double area) {
    for (const ConductorStrip& row : rows) {
        if (row.area == area) return &row;
    }
    return nullptr;
}

}  // namespace

StripLookup LookupConductorStrip(double requiredArea, ConductorTableSource& table) {
    ConductorRows opened = table.OpenRows();
    if (!opened.error.empty()) return Failed(std::move(opened.error));
    const std::span<const ConductorStrip> rows = opened.rows;

    for (const int decimals : {2, 1}) {
        if (const ConductorStrip* row =
                FirstRowWithArea(rows, RoundToDecimals(requiredArea, decimals))) {
            return Found(*row);
        }
    }

    if (rows.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        return Failed(kTooManyRowsText);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].area > requiredArea) {
            if (i == 0) return Failed(kNoPreviousRowText);
            const double distanceUp = rows[i].area - requiredArea;
            const double distanceDown = requiredArea - rows[i - 1].area;
            return Found(distanceDown < distanceUp ? rows[i - 1] : rows[i]);
        }
    }
    return {};
}

}  // namespace kestrava
