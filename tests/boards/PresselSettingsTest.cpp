#include <gtest/gtest.h>

#include <cstring>

#include "ToolCheck.h"
#include "boards/cyclone5_max10/ConfigPressel.h"
#include "core/model/RecordBytes.h"

// Size first and no padding: the defaults are these bytes exactly.
TEST(PresselSettings, DefaultsSavedAreTheDocumentedBytes)
{
    tooltest::TempDir dir;
    TConfigPressel settings;
    settings.Config = TConfigPressel::DefaultConfig();
    ASSERT_TRUE(settings.SaveToFile(dir.Path() + "p.cfg"));
    std::string bytes = tooltest::ReadFile(dir.Path() + "p.cfg");
    ASSERT_EQ(bytes.size(), 272u);

    std::string expected(272, '\0');
    expected[0] = static_cast<char>(272 & 0xFF);
    expected[1] = static_cast<char>(272 >> 8);
    expected[4] = 32;
    std::memcpy(&expected[5], "Pressel", 7);
    for (int offset : {133, 134, 135, 136, 138, 139, 140, 141, 142}) expected[offset] = 1;  // 137 is reserved
    EXPECT_EQ(bytes, expected);

    // The writers read the same bytes through the settings object.
    EXPECT_EQ(RecordInt32(settings.RecordBytes(), 0), 272);
    EXPECT_EQ(RecordByte(settings.RecordBytes(), 4), 32);
    EXPECT_EQ(RecordText(settings.RecordBytes(), 5), "Pressel");
    EXPECT_EQ(RecordText(settings.RecordBytes(), 144), "");
}

// A file of exactly 272 bytes is taken as it is, whichever board wrote it, and written back
// byte for byte: the reserved byte and the bytes after each text's NUL included.
TEST(PresselSettings, RoundTripKeepsEveryByteAndTakesOnly272)
{
    tooltest::TempDir dir;
    std::string foreign(272, '\0');
    for (std::size_t i = 0; i < foreign.size(); ++i) foreign[i] = static_cast<char>(i * 31 + 7);
    std::memcpy(&foreign[0], "\x01\x00\x00\x00", 4);  // a Size no board writes
    foreign[4] = 22;
    std::memcpy(&foreign[5], "Other\0", 6);
    std::memcpy(&foreign[144], "PFX_\0", 5);
    const std::string path = dir.Write("in.cfg", foreign);

    TConfigPressel settings;
    settings.Config = TConfigPressel::DefaultConfig();
    ASSERT_TRUE(settings.LoadFromFile(path));
    EXPECT_EQ(settings.Config.Size, 1);
    EXPECT_EQ(settings.Config.BoardId, 22);
    EXPECT_STREQ(settings.Config.szProjectName, "Other");
    EXPECT_EQ(settings.Config.Reserved, static_cast<uint8_t>(137 * 31 + 7));
    EXPECT_EQ(settings.Config.nGpioDaughterId, static_cast<uint8_t>(143 * 31 + 7));
    EXPECT_STREQ(settings.Config.szGpioPrefixName, "PFX_");
    ASSERT_TRUE(settings.SaveToFile(dir.Path() + "out.cfg"));
    EXPECT_EQ(tooltest::ReadFile(dir.Path() + "out.cfg"), foreign);

    for (std::size_t size : {271u, 273u, 0u, 416u}) {
        EXPECT_FALSE(settings.LoadFromFile(dir.Write("bad.cfg", std::string(size, '\x05')))) << size;
        EXPECT_EQ(std::memcmp(&settings.Config, foreign.data(), 272), 0) << size;
    }
    EXPECT_FALSE(settings.LoadFromFile(dir.Path() + "missing.cfg"));
}

TEST(PresselSettings, TheWriterHooksDoNothing)
{
    tooltest::TempDir dir;
    TConfigPressel settings;
    EXPECT_EQ(settings.GetQsfSettings(), "");
    EXPECT_EQ(settings.GetTopLevelCode(), "");
    EXPECT_TRUE(settings.ExportVerilogIP(dir.Path() + "no/such/folder/"));
    EXPECT_FALSE(tooltest::RunCommand("test -e " + dir.Path() + "no").ok);
}
