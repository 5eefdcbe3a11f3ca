#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrava::test_support {

// An empty folder for the running test, unique across the test processes ctest runs in parallel.
inline std::filesystem::path FreshTestFolder(std::string_view prefix) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        (std::string(prefix) + "_" + std::to_string(getpid()) + "_" + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace kestrava::test_support
