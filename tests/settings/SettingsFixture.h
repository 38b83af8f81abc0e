#pragma once
// A small record with padding (at 2-3 and 265-267) and the holders built over it, in a
// temporary executable folder with scripted dialogs.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "ToolCheck.h"
#include "core/model/RecordBytes.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/ConfigBoard.h"
#include "core/settings/RecordFile.h"
#include "platform/Environment.h"

struct TEST_CONFIG {
    uint8_t BoardId;
    uint8_t Variant;
    int32_t Size;
    char szProjectName[128];
    uint8_t bLed;
    char szPrefix[128];
    int32_t nVoltage;
};
static_assert(sizeof(TEST_CONFIG) == 272);
static_assert(offsetof(TEST_CONFIG, Size) == 4 && offsetof(TEST_CONFIG, szProjectName) == 8);
static_assert(offsetof(TEST_CONFIG, szPrefix) == 137 && offsetof(TEST_CONFIG, nVoltage) == 268);

class TConfigTest : public TConfigBoard {
public:
    bool LoadFromFile(const std::string& fileName) override { return LoadRecord(fileName, Config); }
    bool SaveToFile(const std::string& fileName) override { return SaveRecord(fileName, Config); }
    std::string GetQsfSettings() override { return {}; }
    std::string GetTopLevelCode() override { return {}; }
    ExportResult ExportVerilogIP(const std::string&) override { return {}; }
    std::span<const uint8_t> RecordBytes() const override { return BytesOfRecord(Config); }

    TEST_CONFIG Config{};
};

// n bytes of which none is zero and padding differs from what a compiler would leave.
inline std::string Pattern(std::size_t n, int seed = 1)
{
    std::string bytes(n, '\0');
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 7 + seed) % 255 + 1);
    return bytes;
}

template <typename X>
std::string BytesOf(const X& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof(X));
}

template <typename X>
X RecordFrom(const std::string& bytes)
{
    X record;
    std::memcpy(&record, bytes.data(), sizeof(X));
    return record;
}

template <typename Holder>
std::vector<int> ListOf(const Holder& holder)
{
    return std::vector<int>(holder.DaughterIds, holder.DaughterIds + holder.DaughterCount);
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetExeDirOverride(dir.Path()); }
    void TearDown() override { platform::SetExeDirOverride(std::nullopt); }

    tooltest::TempDir dir;
    tooltest::ScriptedDialogs dialogs;
};
