#pragma once
// Compares a generated file with its golden copy under tests/data/generate/, byte for byte.
// With PINWRIGHT_UPDATE_GOLDEN=1 in the environment the golden copy is rewritten instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "ToolCheck.h"

namespace gentest {

inline ::testing::AssertionResult MatchesGolden(const std::string& actualPath, const std::string& goldenName)
{
    std::string golden = std::string(PINWRIGHT_TEST_DATA_DIR) + "/generate/" + goldenName;
    std::string actual = tooltest::ReadFile(actualPath);
    if (const char* update = std::getenv("PINWRIGHT_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::ofstream(golden, std::ios::binary) << actual;
        return ::testing::AssertionSuccess();
    }
    std::string expected = tooltest::ReadFile(golden);
    if (expected.empty()) return ::testing::AssertionFailure() << "no golden file " << golden;
    if (actual == expected) return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << actualPath << " differs from " << golden << " at byte " << at
                                         << "\n--- expected from there:\n" << expected.substr(at, 200)
                                         << "\n--- actual from there:\n" << actual.substr(at, 200);
}

}  // namespace gentest
