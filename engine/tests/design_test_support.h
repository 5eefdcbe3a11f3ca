#pragma once

#include <string>
#include <vector>

#include "engine/conductor_table.h"
#include "engine/design_record.h"

namespace kestrava::testing_support {

// A strip table covering 0.5 to 2000 mm² in steps of 0.5 mm², ascending.
inline InMemoryConductorTable WideStripTable() {
    std::vector<ConductorStrip> rows;
    for (int i = 1; i <= 4000; ++i) {
        const double area = 0.5 * i;
        rows.push_back({area, 1.0 + i / 1000.0, area / (1.0 + i / 1000.0)});
    }
    return InMemoryConductorTable(std::move(rows));
}

// The ratings of the worked example: 100 kVA, 11000 V / 433 V, 50 Hz, Delta-Star, 5 %.
inline DesignInputs WorkedExampleInputs() {
    return {100.0, 11000.0, 433.0, 50, ConnectionType::DeltaStar, 5};
}

}  // namespace kestrava::testing_support
