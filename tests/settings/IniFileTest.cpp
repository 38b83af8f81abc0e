// The INI reader and writer: the key found or added in any text, and files that are no plain
// INI file (pipes, folders, devices, huge files) neither read nor waited on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "HangGuard.h"
#include "ToolCheck.h"
#include "core/settings/IniFile.h"

namespace fs = std::filesystem;
using tooltest::ReadFile;
using tooltest::TempDir;

namespace {

constexpr int kAbsent = -7;

int MainBoard(std::string_view text) { return IniInteger(text, "Pinwright", "MainBoard", kAbsent); }

}  // namespace

TEST(IniFile, FindsTheKeyAsTheProfileFunctionsDo)
{
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"[Pinwright]\r\nMainBoard=5\r\n", 5},
        {"[Pinwright]\nMainBoard=5\n", 5},
        {"[Pinwright]\nMainBoard=290", 290},
        {"[pinwright]\r\nmainBOARD=7\r\n", 7},
        {"  [ Pinwright ]  \r\n \tMainBoard  =  12 \t\r\n", 12},
        {"[Pinwright] ; the last board\r\nMainBoard=3\r\n", 3},
        {"[Pinwright]\r\nMainBoard=-1\r\n", -1},
        {"[Pinwright]\r\nMainBoard=+8\r\n", 8},
        // Other sections and keys, a key of the same name among them, do not count.
        {"; MainBoard=1\r\nMainBoard=2\r\n[Other]\r\nMainBoard=3\r\n\r\n[Pinwright]\r\nMainBoardId=4\r\nA=1\r\nMainBoard=9\r\n[Last]\r\nMainBoard=5\r\n", 9},
        {"[Pinwright]\r\nMainBoard=9\r\nMainBoard=10\r\n", 9},
        {"[Pinwright]\r\nA=1\r\n[Pinwright]\r\nMainBoard=11\r\n", 11},
        // No such key.
        {"", kAbsent},
        {"MainBoard=5\r\n", kAbsent},
        {"[Other]\r\nMainBoard=5\r\n", kAbsent},
        {"[Pinwright]\r\nA=1\r\n[Other]\r\nMainBoard=5\r\n", kAbsent},
        {"[Pinwright\r\nMainBoard=5\r\n", kAbsent},
        {"[Pinwright]\r\n; MainBoard=5\r\nMainBoard\r\n", kAbsent},
        // A value that is no integer reads as 0.
        {"[Pinwright]\r\nMainBoard=junk\r\n", 0},
        {"[Pinwright]\r\nMainBoard=\r\n", 0},
        {"[Pinwright]\r\nMainBoard=12abc\r\n", 0},
        {"[Pinwright]\r\nMainBoard=1 2\r\n", 0},
        {"[Pinwright]\r\nMainBoard=0x10\r\n", 0},
        {"[Pinwright]\r\nMainBoard=+-5\r\n", 0},
        {"[Pinwright]\r\nMainBoard=99999999999\r\n", 0},
        {"[Pinwright]\r\nMainBoard=5=6\r\n", 0},
        // A UTF-8 byte-order mark belongs to no line; only at the start is it one.
        {"\xEF\xBB\xBF[Pinwright]\r\nMainBoard=6\r\n", 6},
        {"\xEF\xBB\xBFMainBoard=6\r\n[Pinwright]\r\nMainBoard=7\r\n", 7},
        {"\r\n\xEF\xBB\xBF[Pinwright]\r\nMainBoard=6\r\n", kAbsent},
    };
    for (const Case& c : cases) EXPECT_EQ(MainBoard(c.text), c.expected) << c.text;
}

TEST(IniFile, SettingTheKeyChangesOnlyItsValueOrAddsItWhereItBelongs)
{
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"", "[Pinwright]\r\nMainBoard=34\r\n"},
        {"[Pinwright]\r\nMainBoard=5\r\n", "[Pinwright]\r\nMainBoard=34\r\n"},
        {"[pinwright]\n  mainboard = junk \t\n", "[pinwright]\n  mainboard = 34 \t\n"},
        {"[Pinwright]\r\nMainBoard=\r\n", "[Pinwright]\r\nMainBoard=34\r\n"},
        {"[Pinwright]\r\nMainBoard=5", "[Pinwright]\r\nMainBoard=34"},
        {"; note\r\n[Other]\r\nMainBoard=3\r\n\r\n[Pinwright]\r\nA=1\r\nMainBoard=9\r\nB=2\r\n[Last]\r\nC=3",
         "; note\r\n[Other]\r\nMainBoard=3\r\n\r\n[Pinwright]\r\nA=1\r\nMainBoard=34\r\nB=2\r\n[Last]\r\nC=3"},
        // The key joins its section after the section's last line that is not blank.
        {"[Pinwright]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n", "[Pinwright]\r\nA=1\r\nMainBoard=34\r\n\r\n[Other]\r\nB=2\r\n"},
        {"[Other]\nB=2\n[Pinwright]", "[Other]\nB=2\n[Pinwright]\nMainBoard=34\n"},
        {"[Pinwright]\r\nA=1\r\n[Pinwright]\r\nB=2\r\n", "[Pinwright]\r\nA=1\r\nMainBoard=34\r\n[Pinwright]\r\nB=2\r\n"},
        // A new section goes at the end, in the text's own line ends.
        {"[Other]\r\nB=2\r\n", "[Other]\r\nB=2\r\n[Pinwright]\r\nMainBoard=34\r\n"},
        {"[Other]\nB=2", "[Other]\nB=2\n[Pinwright]\nMainBoard=34\n"},
        {"junk", "junk\r\n[Pinwright]\r\nMainBoard=34\r\n"},
        {"MainBoard=5\r\n", "MainBoard=5\r\n[Pinwright]\r\nMainBoard=34\r\n"},
        // A byte-order mark stays where it is, and the section it stands before is found.
        {"\xEF\xBB\xBF[Pinwright]\r\nMainBoard=5\r\n[Other]\r\nA=1\r\n",
         "\xEF\xBB\xBF[Pinwright]\r\nMainBoard=34\r\n[Other]\r\nA=1\r\n"},
        {"\xEF\xBB\xBF[Pinwright]\nA=1\n", "\xEF\xBB\xBF[Pinwright]\nA=1\nMainBoard=34\n"},
        {"\xEF\xBB\xBF", "\xEF\xBB\xBF[Pinwright]\r\nMainBoard=34\r\n"},
    };
    for (const Case& c : cases) {
        const std::string after = WithIniValue(c.before, "Pinwright", "MainBoard", "34");
        EXPECT_EQ(after, c.after) << c.before;
        EXPECT_EQ(MainBoard(after), 34) << c.before;
    }
}

TEST(IniFile, ReadsOnlyARegularFileOfASaneSize)
{
    TempDir dir;
    const std::string ini = dir.Path() + "pinwright.INI";
    const std::string text = "[Pinwright]\r\nMainBoard=5\r\n";
    struct Case {
        const char* what;
        void (*make)(const std::string& ini, const std::string& text);
        bool read;  // the text comes back
    };
    const Case cases[] = {
        {"no file", [](const std::string&, const std::string&) {}, false},
        {"a file", [](const std::string& ini, const std::string& text) { std::ofstream(ini) << text; }, true},
        {"a link to a file",
         [](const std::string& ini, const std::string& text) {
             std::ofstream(ini + ".real") << text;
             fs::create_symlink(ini + ".real", ini);
         },
         true},
        {"a file of the largest size",
         [](const std::string& ini, const std::string& text) {
             std::ofstream(ini) << text << std::string(kIniMaxSize - text.size(), ';');
         },
         true},
        {"a file one byte larger",
         [](const std::string& ini, const std::string& text) {
             std::ofstream(ini) << text << std::string(kIniMaxSize + 1 - text.size(), ';');
         },
         false},
        {"a sparse file of 1 TiB",
         [](const std::string& ini, const std::string&) { ASSERT_TRUE(tooltest::MakeSparseFile(ini, off_t{1} << 40)); },
         false},
        {"a pipe", [](const std::string& ini, const std::string&) { ASSERT_EQ(::mkfifo(ini.c_str(), 0644), 0); },
         false},
        {"a folder", [](const std::string& ini, const std::string&) { fs::create_directory(ini); }, false},
        {"a link to an endless device",
         [](const std::string& ini, const std::string&) { fs::create_symlink("/dev/zero", ini); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ec;
        fs::remove_all(ini, ec);
        fs::remove(ini + ".real", ec);
        c.make(ini, text);
        HangGuard guard(c.what);
        const std::optional<std::string> read = ReadIniText(ini);
        ASSERT_EQ(read.has_value(), c.read);
        if (c.read) {
            EXPECT_TRUE(read->starts_with(text));
            EXPECT_EQ(ReadIniInteger(ini, "Pinwright", "MainBoard", kAbsent), 5);
        } else {
            EXPECT_EQ(ReadIniInteger(ini, "Pinwright", "MainBoard", kAbsent), std::nullopt);
        }
    }
}

TEST(IniFile, WritingKeepsAReadableFileAndNeverWaits)
{
    TempDir dir;
    const std::string ini = dir.Path() + "pinwright.INI";
    HangGuard guard("writing the INI file");

    // Created, with nothing beside it: no lock file, no leftover temporary file.
    EXPECT_TRUE(WriteIniInteger(ini, "Pinwright", "MainBoard", 34));
    EXPECT_EQ(ReadFile(ini), "[Pinwright]\r\nMainBoard=34\r\n");
    EXPECT_EQ(tooltest::FolderEntries(dir.Path()), std::vector<std::string>{"pinwright.INI"});

    // A readable file keeps every other line.
    std::ofstream(ini) << "[Other]\nA=1\n";
    EXPECT_TRUE(WriteIniInteger(ini, "Pinwright", "MainBoard", 255));
    EXPECT_EQ(ReadFile(ini), "[Other]\nA=1\n[Pinwright]\nMainBoard=255\n");

    // A pipe nobody reads and a folder take nothing, and stay as they are.
    fs::remove(ini);
    ASSERT_EQ(::mkfifo(ini.c_str(), 0644), 0);
    EXPECT_FALSE(WriteIniInteger(ini, "Pinwright", "MainBoard", 34));
    EXPECT_TRUE(fs::is_fifo(ini));
    fs::remove(ini);
    fs::create_directory(ini);
    EXPECT_FALSE(WriteIniInteger(ini, "Pinwright", "MainBoard", 34));
    EXPECT_TRUE(fs::is_directory(ini));
    EXPECT_EQ(tooltest::FolderEntries(dir.Path()), std::vector<std::string>{"pinwright.INI"});
}

// Only a missing file is created and only a file read whole is rewritten: whatever else stands
// at the name keeps every byte, and the program never grows its own file past what it reads.
TEST(IniFile, AFileThatCannotBeReadWholeIsLeftAsItIs)
{
    TempDir dir;
    const std::string ini = dir.Path() + "pinwright.INI";
    const std::string notes = "[Notes]\r\nkept=yes\r\n";
    // A user's notes of `size` bytes in all.
    const auto notesOf = [&](std::size_t size) { return notes + std::string(size - notes.size() - 2, ';') + "\r\n"; };
    const std::string key = "[Pinwright]\r\nMainBoard=34\r\n";
    struct Case {
        const char* what;
        std::string text;
        bool written;
    };
    const Case cases[] = {
        {"larger than the bound, with a user's section", notesOf(kIniMaxSize) + "[Pinwright]\r\nMainBoard=5\r\n", false},
        // Adding the key would take it past the bound, where no later write could read it.
        {"the key would not fit", notesOf(kIniMaxSize - 3), false},
        {"the key fits to the last byte", notesOf(kIniMaxSize - key.size()), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir.Write("pinwright.INI", c.text);
        for (int exit = 0; exit < 2; ++exit) EXPECT_EQ(WriteIniInteger(ini, "Pinwright", "MainBoard", 34), c.written);
        const std::string after = ReadFile(ini);
        if (c.written) EXPECT_EQ(after, c.text + key);
        else EXPECT_EQ(after, c.text);
    }

    // Not even looked into: a sparse file of 1 TiB stays the file it was.
    ASSERT_TRUE(tooltest::MakeSparseFile(ini, off_t{1} << 40));
    struct stat before {};
    ASSERT_EQ(::stat(ini.c_str(), &before), 0);
    EXPECT_FALSE(WriteIniInteger(ini, "Pinwright", "MainBoard", 34));
    struct stat after {};
    ASSERT_EQ(::stat(ini.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_blocks, before.st_blocks);
    EXPECT_EQ(tooltest::FolderEntries(dir.Path()), std::vector<std::string>{"pinwright.INI"});
}

// A user's own INI that the user may write but not read: the permissions bind an ordinary user,
// so the test acts as one where it can.
TEST(IniFile, AnUnreadableFileOfTheUsersOwnIsLeftAsItIs)
{
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0777);
    const std::string ini = dir.Path() + "pinwright.INI";
    const std::string text = "[Notes]\r\nkept=yes\r\n[Pinwright]\r\nMainBoard=5\r\n";
    dir.Write("pinwright.INI", text);
    const bool root = ::geteuid() == 0;
    if (root) ASSERT_EQ(::chown(ini.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(ini.c_str(), 0200), 0);
    const ChildRun run = RunInChild([&] {
        if (root && !BecomeNobody()) ::_exit(2);
        const bool read = ReadIniText(ini).has_value();
        const bool written = WriteIniInteger(ini, "Pinwright", "MainBoard", 34);
        return std::string(read ? "read" : "unread") + (written ? ", written" : ", left");
    });
    if (run.exited && run.exitCode == 2) GTEST_SKIP() << "cannot run as an unprivileged user";
    EXPECT_EQ(run.output, "unread, left");
    ::chmod(ini.c_str(), 0600);
    EXPECT_EQ(ReadFile(ini), text);
    EXPECT_EQ(tooltest::FolderEntries(dir.Path()), std::vector<std::string>{"pinwright.INI"});
}
