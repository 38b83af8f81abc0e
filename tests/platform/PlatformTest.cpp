#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

#include "ScriptedDialogs.h"
#include "ToolCheck.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/Format.h"
#include "platform/Resources.h"

namespace platform {
extern const EmbeddedItem kTestResources[];
}

TEST(Platform, InternalCheckNamesExpressionFileAndLine)
{
    int line = 0;
    try {
        int boardId = 3;
        line = __LINE__ + 1;
        PW_CHECK(boardId == 34);
        FAIL() << "no exception";
    } catch (const platform::InternalError& e) {
        std::string text = e.what();
        EXPECT_NE(text.find("boardId == 34"), std::string::npos) << text;
        EXPECT_NE(text.find("PlatformTest.cpp"), std::string::npos) << text;
        EXPECT_NE(text.find("line " + std::to_string(line)), std::string::npos) << text;
    }
    EXPECT_NO_THROW(PW_CHECK(1 + 1 == 2));
}

TEST(Platform, ResourcesAreFoundIgnoringCase)
{
    platform::AddResourceTable(platform::kTestResources);
    for (const char* name : {"Sample_Item", "SAMPLE_ITEM", "sample_item"}) {
        auto item = platform::FindResource(name);
        ASSERT_TRUE(item) << name;
        std::string text(reinterpret_cast<const char*>(item->data()), item->size());
        EXPECT_EQ(text, "hello from a test item\r\n");
    }
    EXPECT_FALSE(platform::FindResource("Sample_Ite"));
    EXPECT_FALSE(platform::FindResource(""));
}

TEST(Platform, FolderAndFileOperations)
{
    tooltest::TempDir dir;
    std::string deep = dir.Path() + "a/b/c";
    EXPECT_FALSE(platform::CreateDir(deep));  // one level only
    EXPECT_TRUE(platform::ForceDirectories(deep));
    EXPECT_TRUE(platform::DirectoryExists(deep));
    EXPECT_TRUE(platform::CreateDir(deep + "/d"));
    std::string file = dir.Write("a/x.txt", "x");
    EXPECT_TRUE(platform::FileExists(file));
    EXPECT_FALSE(platform::FileExists(deep));
    EXPECT_TRUE(platform::DeleteFile(file));
    EXPECT_FALSE(platform::DeleteFile(file));
    EXPECT_EQ(platform::ExtractFilePath("/p/q/name.qpf"), "/p/q/");
    EXPECT_EQ(platform::ExtractFileName("/p/q/name.qpf"), "name.qpf");
    EXPECT_EQ(platform::ExtractFilePath("name.qpf"), "");
}

TEST(Platform, ExeDirCanBeOverridden)
{
    std::string real = platform::ExeDir();
    EXPECT_EQ(real.back(), '/');
    EXPECT_TRUE(platform::DirectoryExists(real));
    platform::SetExeDirOverride("/tmp/somewhere");
    EXPECT_EQ(platform::ExeDir(), "/tmp/somewhere/");
    platform::SetExeDirOverride(std::nullopt);
    EXPECT_EQ(platform::ExeDir(), real);
}

TEST(Platform, ClockAndCtrlKeyCanBeFixed)
{
    std::tm fixed{};
    fixed.tm_year = 2026 - 1900;
    fixed.tm_mon = 11;
    fixed.tm_mday = 10;
    platform::SetNowOverride(fixed);
    EXPECT_EQ(platform::LocalNow().tm_mday, 10);
    platform::SetNowOverride(std::nullopt);
    EXPECT_GE(platform::LocalNow().tm_year, 126);

    EXPECT_FALSE(platform::IsCtrlDown());
    platform::SetCtrlDownProvider([] { return true; });
    EXPECT_TRUE(platform::IsCtrlDown());
    platform::SetCtrlDownProvider(nullptr);
    EXPECT_FALSE(platform::IsCtrlDown());
}

TEST(Platform, FormatIgnoresTheUserLocale)
{
    // A locale with a decimal comma, when the machine has one; the "C" result either way.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    EXPECT_EQ(platform::Format("%f MHz", 156.25), "156.250000 MHz");
    EXPECT_EQ(platform::Format("%.3f", 2.5), "2.500");
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_LOG_(INFO) << "no decimal-comma locale installed; checked in C only";
}

TEST(Platform, BoundedFormatKeepsCapacityMinusOne)
{
    auto bounded = [](std::size_t cap, const char* fmt, ...) {
        va_list args;
        va_start(args, fmt);
        std::string s = platform::FormatBoundedV(cap, fmt, args);
        va_end(args);
        return s;
    };
    std::string long_text(2000, 'x');
    EXPECT_EQ(bounded(1024, "%s", long_text.c_str()).size(), 1023u);
    EXPECT_EQ(bounded(1024, "%s", "abc"), "abc");
    EXPECT_EQ(platform::Format("%s", long_text.c_str()).size(), 2000u);
}

TEST(Platform, ScriptedDialogsRecordAndAnswer)
{
    tooltest::ScriptedDialogs dialogs;
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    dialogs.QueueFile(std::string("/tmp/x.cfg"));
    platform::ErrorBox("Project Name cannot be empty.");
    EXPECT_FALSE(platform::WarningYesNo("Go on?"));
    EXPECT_TRUE(platform::WarningYesNo("Again?"));  // empty queue answers Yes
    platform::InformationBox("Done");
    auto chosen = platform::GetDialogs().SaveFile({"/tmp/", "Board Configuration Files (*.cfg *.CFG)", "", "cfg"});
    EXPECT_EQ(chosen, std::optional<std::string>("/tmp/x.cfg"));
    EXPECT_FALSE(platform::GetDialogs().OpenFile({}));
    platform::ExceptionBox(std::runtime_error("boom"));

    ASSERT_EQ(dialogs.Boxes().size(), 4u);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
    EXPECT_EQ(dialogs.Boxes()[1].caption, "Warning");
    EXPECT_EQ(dialogs.Boxes()[3].caption, "Information");
    EXPECT_EQ(dialogs.Texts()[0], "Project Name cannot be empty.");
    ASSERT_EQ(dialogs.FileDialogs().size(), 2u);
    EXPECT_TRUE(dialogs.FileDialogs()[0].save);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, "/tmp/");
    EXPECT_EQ(dialogs.Exceptions(), std::vector<std::string>{"boom"});
}

TEST(Platform, JoinPresentKeepsTheWordsPresentInTheirOrder)
{
    EXPECT_EQ(platform::JoinPresent({{true, "PCIe"}, {false, "SFP+"}, {true, "SATA"}}), "PCIe/SATA");
    EXPECT_EQ(platform::JoinPresent({{false, "SATA"}, {true, "HSMC-Transceiver"}}), "HSMC-Transceiver");
    EXPECT_EQ(platform::JoinPresent({{false, "PCIe"}}), "");
}
