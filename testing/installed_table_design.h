#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"

namespace kestrava::test_support {

// The design of 'inputs' on the strip table of the installed database at 'database'.
inline DesignRecord DesignOnInstalledTable(const DesignInputs& inputs,
                                           const std::filesystem::path& database) {
    LoadedConductorTable loaded = LoadConductorTable(database);
    EXPECT_TRUE(loaded.has_value());
    InMemoryConductorTable table(std::move(loaded).value());
    DesignResult result = DesignTransformer(inputs, table);
    EXPECT_TRUE(result.has_value());
    return std::move(result).value();
}

}  // namespace kestrava::test_support
