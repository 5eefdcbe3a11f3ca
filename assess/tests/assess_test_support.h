#pragma once

#include <gtest/gtest.h>

#include <string>

#include "assess/regime.h"
#include "testing/installed_table_design.h"

namespace kestrava::assess::test_support {

// The design of 'inputs' on the installed strip table.
inline DesignRecord DesignOnInstalledTable(const DesignInputs& inputs) {
    return kestrava::test_support::DesignOnInstalledTable(inputs, KESTRAVA_CONDUCTOR_DATABASE);
}

// A regime shipped with the program, by name.
inline Regime ShippedRegime(const std::string& name) {
    RegimeOutcome outcome = FindRegime(name, KESTRAVA_STANDARDS_DIR);
    if (!outcome.has_value()) {
        ADD_FAILURE() << outcome.error();
        return {};
    }
    return std::move(outcome).value();
}

}  // namespace kestrava::assess::test_support
