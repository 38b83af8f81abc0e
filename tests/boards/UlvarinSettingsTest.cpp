#include <gtest/gtest.h>

#include <cstring>

#include "ScriptedDialogs.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/ConfigUlvarin.h"

TEST(UlvarinSettings, DefaultsSavedAreTheDocumentedBytes)
{
    tooltest::TempDir dir;
    TConfigUlvarin settings;
    settings.Config = TConfigUlvarin::DefaultConfig();
    ASSERT_TRUE(settings.SaveToFile(dir.Path() + "u.cfg"));
    std::string bytes = tooltest::ReadFile(dir.Path() + "u.cfg");
    ASSERT_EQ(bytes.size(), 416u);

    std::string expected(416, '\0');
    expected[0] = 34;
    expected[4] = static_cast<char>(416 & 0xFF);
    expected[5] = static_cast<char>(416 >> 8);
    std::memcpy(&expected[8], "Ulvarin", 7);
    for (int offset = 137; offset <= 148; ++offset) expected[offset] = 1;  // twelve groups, HPS not
    expected[280] = 1;                                                     // "2.5 V (Default)"
    EXPECT_EQ(bytes, expected);
}

TEST(UlvarinSettings, LoadTakesOnlyFilesOf416Bytes)
{
    tooltest::TempDir dir;
    TConfigUlvarin settings;
    settings.Config = TConfigUlvarin::DefaultConfig();
    for (std::size_t size : {415u, 417u, 0u}) {
        auto path = dir.Write("f.cfg", std::string(size, '\x05'));
        EXPECT_FALSE(settings.LoadFromFile(path)) << size;
        EXPECT_EQ(settings.Config.BoardId, 34) << size;
    }
    std::string foreign(416, '\x07');
    foreign[0] = 3;  // another board's record of the same size is taken unchanged
    auto path = dir.Write("f.cfg", foreign);
    ASSERT_TRUE(settings.LoadFromFile(path));
    EXPECT_EQ(std::memcmp(&settings.Config, foreign.data(), 416), 0);
    EXPECT_FALSE(settings.LoadFromFile(dir.Path() + "missing.cfg"));
}

TEST(UlvarinSettings, TheWriterHooksDoNothing)
{
    tooltest::TempDir dir;
    TConfigUlvarin settings;
    EXPECT_EQ(settings.GetQsfSettings(), "");
    EXPECT_EQ(settings.GetTopLevelCode(), "");
    EXPECT_TRUE(settings.ExportVerilogIP(dir.Path() + "no/such/folder/"));
    EXPECT_FALSE(tooltest::RunCommand("test -e " + dir.Path() + "no").ok);
}
