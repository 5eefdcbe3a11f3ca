#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "engine/design_transformer.h"
#include "records/conductor_table_database.h"

namespace kestrava::test_support {

// The design of 'inputs' on the strip table of the installed database at 'database'.
inline DesignRecord DesignOnInstalledTable(const DesignInputs& inputs,
                                           const std::filesystem::path& database) {
    LoadedConductorTable loaded = LoadConductorTable(database);
    EXPECT_EQ(loaded.error, "");
    InMemoryConductorTable table(std::move(loaded.rows));
    DesignResult result = DesignTransformer(inputs, table);
    EXPECT_TRUE(std::holds_alternative<DesignRecord>(result));
    return std::get<DesignRecord>(std::move(result));
}

}  // namespace kestrava::test_support
