#include <gtest/gtest.h>

#include <cstring>

#include "ScriptedDialogs.h"
#include "ToolCheck.h"
#include "boards/arria10/ConfigIdrenne.h"
#include "core/model/MainBoard.h"

TEST(IdrenneSettings, DefaultsSavedAreTheDocumentedBytes)
{
    tooltest::TempDir dir;
    TConfigIdrenne settings;
    settings.Config = TConfigIdrenne::DefaultConfig();
    ASSERT_TRUE(settings.SaveToFile(dir.Path() + "i.cfg"));
    std::string bytes = tooltest::ReadFile(dir.Path() + "i.cfg");
    ASSERT_EQ(bytes.size(), 420u);

    std::string expected(420, '\0');
    expected[0] = 0x23;
    expected[4] = static_cast<char>(0xA4);
    expected[5] = 0x01;
    std::memcpy(&expected[8], "Idrenne", 7);
    for (int offset = 137; offset <= 144; ++offset) expected[offset] = 1;
    expected[284] = 2;  // "1.8 V (Default)"
    EXPECT_EQ(bytes, expected);
}

TEST(IdrenneSettings, LoadTakesOnlyFilesOf420BytesAndKeepsEveryByte)
{
    tooltest::TempDir dir;
    TConfigIdrenne settings;
    settings.Config = TConfigIdrenne::DefaultConfig();
    for (std::size_t size : {419u, 421u, 0u}) {
        auto path = dir.Write("f.cfg", std::string(size, '\x05'));
        EXPECT_FALSE(settings.LoadFromFile(path)) << size;
        EXPECT_EQ(settings.Config.BoardId, MAINBOARD_Idrenne) << size;
        EXPECT_EQ(settings.Config.nFmcVol, 2) << size;
    }
    EXPECT_FALSE(settings.LoadFromFile(dir.Path() + "missing.cfg"));

    std::string foreign(420, '\x07');
    foreign[0] = 3;     // another board's id is taken unchanged
    foreign[1] = 0x5A;  // so is the variant byte, which a later save writes back
    auto path = dir.Write("f.cfg", foreign);
    ASSERT_TRUE(settings.LoadFromFile(path));
    EXPECT_EQ(std::memcmp(&settings.Config, foreign.data(), 420), 0);
    ASSERT_TRUE(settings.SaveToFile(dir.Path() + "g.cfg"));
    EXPECT_EQ(tooltest::ReadFile(dir.Path() + "g.cfg"), foreign);
}

TEST(IdrenneSettings, TheWriterHooksDoNothing)
{
    tooltest::TempDir dir;
    TConfigIdrenne settings;
    EXPECT_EQ(settings.GetQsfSettings(), "");
    EXPECT_EQ(settings.GetTopLevelCode(), "");
    EXPECT_TRUE(settings.ExportVerilogIP(dir.Path() + "no/such/folder/"));
    EXPECT_FALSE(tooltest::RunCommand("test -e " + dir.Path() + "no").ok);
}
