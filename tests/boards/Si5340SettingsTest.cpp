// The settings classes of the boards with two Si5340 clock generators: records, choice
// tables and which chip is in use.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ScriptedDialogs.h"
#include "ToolCheck.h"
#include "boards/arria10/ConfigAbernoll.h"
#include "boards/arria10/ConfigDravelle.h"
#include "boards/arria10/ConfigNobrecht.h"
#include "platform/Dialogs.h"

namespace {

template <typename Record>
std::string BytesOf(const Record& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

void PutInt32(std::string& bytes, std::size_t offset, int32_t value) { std::memcpy(&bytes[offset], &value, 4); }

}  // namespace

TEST(Si5340Settings, DefaultsAreTheDocumentedBytes)
{
    struct Case {
        const char* board;
        std::function<std::string()> defaults;
        std::size_t size;
        uint8_t id;
        const char* name;
        std::vector<std::size_t> ticked;
    };
    const Case cases[] = {
        {"Nobrecht", [] { return BytesOf(TConfigNobrecht::DefaultConfig()); }, 188, 27, "NOBRECHT",
         {136, 137, 138, 139, 140, 142, 143, 155, 156, 158}},
        {"Dravelle", [] { return BytesOf(TConfigDravelle::DefaultConfig()); }, 188, 28, "NOBRECHT",
         {136, 137, 138, 139, 140, 142, 143, 155, 156, 158}},  // 158 is the TPS40428 group here
        {"Abernoll", [] { return BytesOf(TConfigAbernoll::DefaultConfig()); }, 180, 33, "Abernoll",
         {136, 137, 138, 139, 140, 141, 153, 154}},
    };
    for (const Case& c : cases) {
        std::string expected(c.size, '\0');
        expected[0] = static_cast<char>(c.id);
        PutInt32(expected, 4, static_cast<int32_t>(c.size));
        std::memcpy(&expected[8], c.name, std::strlen(c.name));
        for (std::size_t offset : c.ticked) expected[offset] = 1;
        EXPECT_EQ(c.defaults(), expected) << c.board;
    }
}

TEST(Si5340Settings, FilesOfTheRecordSizeOnlyAndTheBoardsReadEachOthers)
{
    tooltest::TempDir dir;
    tooltest::ScriptedDialogs dialogs;
    TConfigNobrecht nobrecht;
    nobrecht.Config = TConfigNobrecht::DefaultConfig();
    TConfigAbernoll abernoll;
    abernoll.Config = TConfigAbernoll::DefaultConfig();
    const std::string nobrechtBefore = BytesOf(nobrecht.Config);
    const std::string abernollBefore = BytesOf(abernoll.Config);
    for (std::size_t size : {0u, 179u, 181u, 187u, 189u}) {
        auto path = dir.Write("f.cfg", std::string(size, '\x03'));
        EXPECT_EQ(nobrecht.LoadFromFile(path), false) << size;
        EXPECT_EQ(abernoll.LoadFromFile(path), size == 180) << size;
        abernoll.Config = TConfigAbernoll::DefaultConfig();
    }
    EXPECT_EQ(BytesOf(nobrecht.Config), nobrechtBefore);
    EXPECT_EQ(BytesOf(abernoll.Config), abernollBefore);
    EXPECT_FALSE(nobrecht.LoadFromFile(dir.Path() + "missing.cfg"));

    // A Dravelle file loads into Nobrecht byte for byte: its TPS40428 byte lands on RS-422.
    TConfigDravelle dravelle;
    dravelle.Config = TConfigDravelle::DefaultConfig();
    dravelle.Config.nSi5340B[0] = 5;
    ASSERT_TRUE(dravelle.SaveToFile(dir.Path() + "d.cfg"));
    EXPECT_EQ(tooltest::ReadFile(dir.Path() + "d.cfg"), BytesOf(dravelle.Config));
    ASSERT_TRUE(nobrecht.LoadFromFile(dir.Path() + "d.cfg"));
    EXPECT_EQ(BytesOf(nobrecht.Config), BytesOf(dravelle.Config));
    EXPECT_EQ(nobrecht.Config.BoardId, 28);
    EXPECT_EQ(nobrecht.Config.bRs422, 1);
    EXPECT_EQ(nobrecht.Config.nSi5340B[0], 5);
    ASSERT_TRUE(dravelle.LoadFromFile(dir.Path() + "d.cfg"));
    EXPECT_TRUE(dialogs.Boxes().empty());

    EXPECT_FALSE(abernoll.SaveToFile(dir.Path() + "no/such/folder/a.cfg"));
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to create file.\r\n" + dir.Path() +
                                                        "no/such/folder/a.cfg: No such file or directory"});
}

TEST(Si5340Settings, FrequencyOfEveryChoice)
{
    using Fn = double (*)(uint8_t);
    struct Case {
        const char* what;
        Fn frequency;
        std::vector<double> table;  // by code, from 0
    };
    const std::vector<double> a = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125};
    const std::vector<double> qdr = {0, 225, 233.333, 250, 275};
    const std::vector<Case> cases = {
        {"A, Nobrecht", &TConfigNobrecht::Si5340AFrequency, a},
        {"A, Dravelle", &TConfigDravelle::Si5340AFrequency, a},
        {"A, Abernoll", &TConfigAbernoll::Si5340AFrequency, a},
        {"DDR3, Nobrecht", &TConfigNobrecht::Si5340BDdrFrequency, {0, 200, 233.333, 266.667}},
        {"DDR4, Dravelle", &TConfigDravelle::Si5340BDdrFrequency, {0, 150, 200, 233.333, 266.667, 300}},
        {"QDR, Nobrecht", &TConfigNobrecht::Si5340BQdrFrequency, qdr},
        {"QDR, Dravelle", &TConfigDravelle::Si5340BQdrFrequency, qdr},
        {"QDR, Abernoll", &TConfigAbernoll::Si5340BQdrFrequency, {0, 225, 250, 275}},
        {"PCIe, Nobrecht", &TConfigNobrecht::Si5340BPcieFrequency, {0, 100}},
        {"PCIe, Dravelle", &TConfigDravelle::Si5340BPcieFrequency, {0, 100}},
    };
    for (const Case& c : cases) {
        for (std::size_t code = 0; code < c.table.size(); ++code)
            EXPECT_EQ(c.frequency(static_cast<uint8_t>(code)), c.table[code]) << c.what << " " << code;
        for (int beyond : {int(c.table.size()), int(c.table.size()) + 1, 255})
            EXPECT_EQ(c.frequency(static_cast<uint8_t>(beyond)), 0.0) << c.what << " " << beyond;
    }
}

TEST(Si5340Settings, ChipsInUse)
{
    TConfigNobrecht nobrecht;
    nobrecht.Config = TConfigNobrecht::DefaultConfig();
    EXPECT_FALSE(nobrecht.IsSi5340AUsed());
    EXPECT_FALSE(nobrecht.IsSi5340BUsed());
    nobrecht.Config.nSi5340A[3] = 7;
    EXPECT_TRUE(nobrecht.IsSi5340AUsed());
    nobrecht.Config.nSi5340A[3] = 0x10000;  // every bit counts, not only the low byte
    EXPECT_TRUE(nobrecht.IsSi5340AUsed());
    EXPECT_FALSE(nobrecht.IsSi5340BUsed());
    nobrecht.Config.nSi5340B[2] = 1;  // the PCIe clock alone uses the chip
    EXPECT_TRUE(nobrecht.IsSi5340BUsed());

    TConfigDravelle dravelle;
    dravelle.Config = TConfigDravelle::DefaultConfig();
    dravelle.Config.nSi5340B[0] = -1;
    EXPECT_FALSE(dravelle.IsSi5340AUsed());
    EXPECT_TRUE(dravelle.IsSi5340BUsed());

    TConfigAbernoll abernoll;
    abernoll.Config = TConfigAbernoll::DefaultConfig();
    EXPECT_FALSE(abernoll.IsSi5340BUsed());
    abernoll.Config.nSi5340B_QDRII = 3;
    EXPECT_TRUE(abernoll.IsSi5340BUsed());
    EXPECT_FALSE(abernoll.IsSi5340AUsed());
    abernoll.Config.nSi5340A[0] = 1;
    EXPECT_TRUE(abernoll.IsSi5340AUsed());
}
