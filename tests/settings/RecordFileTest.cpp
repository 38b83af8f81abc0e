#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FileSizeLimit.h"
#include "SettingsFixture.h"
#include "core/settings/RecordText.h"

namespace fs = std::filesystem;
using tooltest::ReadFile;

namespace {

using RecordFileTest = SettingsTest;

bool CanOpenForReading(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0) ::close(fd);
    return fd >= 0;
}

bool CanCreateIn(const std::string& folder)
{
    std::string probe = folder + "probe";
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs the check in a child process as user and group "nobody": 0 when it holds, 1 when
// not, kCannotDropPrivileges when the child cannot change user.
constexpr int kCannotDropPrivileges = 2;

int RunUnprivileged(const std::function<bool()>& check)
{
    pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(kCannotDropPrivileges);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return 1;
    return WEXITSTATUS(status);
}

}  // namespace

TEST_F(RecordFileTest, LoadTakesExactlyTheRecordSizeWhateverTheBytesSay)
{
    const TEST_CONFIG original = RecordFrom<TEST_CONFIG>(Pattern(272, 5));
    struct Case { const char* name; std::size_t size; bool loads; };
    for (const Case& c : {Case{"short.cfg", 271, false}, Case{"long.cfg", 273, false}, Case{"empty.cfg", 0, false},
                          Case{"exact.cfg", 272, true}}) {
        SCOPED_TRACE(c.name);
        std::string bytes = Pattern(c.size, 9);  // another board's record: foreign id, size and padding
        std::string path = dir.Write(c.name, bytes);
        TEST_CONFIG record = original;
        EXPECT_EQ(LoadRecord(path, record), c.loads);
        EXPECT_EQ(BytesOf(record), c.loads ? bytes : BytesOf(original));
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(RecordFileTest, MissingOrUnreadableFilesLeaveTheRecordAsItWas)
{
    const TEST_CONFIG original = RecordFrom<TEST_CONFIG>(Pattern(272, 5));
    fs::create_directory(dir.Path() + "folder.cfg");
    fs::create_symlink(dir.Path() + "nowhere.cfg", dir.Path() + "dangling.cfg");
    std::vector<std::string> paths = {dir.Path() + "missing.cfg", dir.Path() + "folder.cfg",
                                      dir.Path() + "dangling.cfg"};
    std::string locked = dir.Write("locked.cfg", Pattern(272, 9));
    ::chmod(locked.c_str(), 0);
    if (!CanOpenForReading(locked)) paths.push_back(locked);  // privileged runs read it anyway
    for (const std::string& path : paths) {
        TEST_CONFIG record = original;
        EXPECT_FALSE(LoadRecord(path, record)) << path;
        EXPECT_EQ(BytesOf(record), BytesOf(original)) << path;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(RecordFileTest, SaveWritesTheLoadedBytesBackUnchanged)
{
    std::string bytes = Pattern(272, 3);  // no NUL anywhere, Latin-1 bytes above 0x7F, odd padding
    std::string in = dir.Write("in.cfg", bytes);
    TConfigTest board;
    ASSERT_TRUE(board.LoadFromFile(in));
    ASSERT_TRUE(board.SaveToFile(dir.Path() + "out.cfg"));
    EXPECT_EQ(ReadFile(dir.Path() + "out.cfg"), bytes);

    TConfigBase<TEST_CONFIG> holder;
    ASSERT_TRUE(holder.LoadFromFile(holder.Config, in));
    holder.Config.bLed = 0;
    ASSERT_TRUE(holder.SaveToFile(holder.Config, in));  // over an existing file
    bytes[136] = 0;
    EXPECT_EQ(ReadFile(in), bytes);
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"in.cfg", "out.cfg"}));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(RecordFileTest, SaveIntoReadOnlyFolderKeepsTheOldFile)
{
    std::string old = dir.Write("ro/board.cfg", "old settings");
    ::chmod(old.c_str(), 0666);  // the file itself could be overwritten
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod((dir.Path() + "ro").c_str(), 0555);
    auto save = [&] {
        TEST_CONFIG record{};
        return !SaveRecord(old, record) && dialogs.Texts() == std::vector<std::string>{"Failed to create file."} &&
               dialogs.Boxes()[0].caption == "Error";
    };
    // A privileged user may write into any folder, so the save then runs as an ordinary one.
    int result = CanCreateIn(dir.Path() + "ro/") ? RunUnprivileged(save) : (save() ? 0 : 1);
    if (result == kCannotDropPrivileges) GTEST_SKIP() << "cannot run as an unprivileged user";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFile(old), "old settings");
    EXPECT_EQ(FolderEntries(dir.Path() + "ro/"), std::vector<std::string>{"board.cfg"});
}

TEST_F(RecordFileTest, ShortWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    std::string old = dir.Write("default.cfg", Pattern(272, 4));
    TConfigTest board;
    board.Config = RecordFrom<TEST_CONFIG>(Pattern(272, 8));
    bool saved;
    {
        FileSizeLimit limit(100);
        saved = board.SaveDefault();
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to write file."});
    EXPECT_EQ(ReadFile(old), Pattern(272, 4));
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"default.cfg"});
}

TEST_F(RecordFileTest, SaveThatCannotCreateTheFileReportsIt)
{
    fs::create_directory(dir.Path() + "taken.cfg");
    TEST_CONFIG record{};
    for (std::string path : {dir.Path() + "no/such/folder/x.cfg", dir.Path() + "taken.cfg"}) {
        dialogs.Clear();
        EXPECT_FALSE(SaveRecord(path, record)) << path;
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to create file."}) << path;
    }
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"taken.cfg"});
    EXPECT_TRUE(fs::is_directory(dir.Path() + "taken.cfg"));
}

TEST_F(RecordFileTest, ReplacingKeepsPermissionsAndWritesThroughALink)
{
    std::string real = dir.Write("real.cfg", "old");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink(real, dir.Path() + "link.cfg");
    TEST_CONFIG record = RecordFrom<TEST_CONFIG>(Pattern(272, 6));
    ASSERT_TRUE(SaveRecord(dir.Path() + "link.cfg", record));
    EXPECT_TRUE(fs::is_symlink(dir.Path() + "link.cfg"));
    EXPECT_EQ(ReadFile(real), BytesOf(record));
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(RecordFileTest, DefaultFileLivesInTheExecutableFolderAndServesEveryBoard)
{
    TConfigTest board;
    board.Config = RecordFrom<TEST_CONFIG>(Pattern(272, 2));
    const std::string before = BytesOf(board.Config);
    EXPECT_FALSE(board.LoadDefault());
    EXPECT_EQ(BytesOf(board.Config), before);

    dir.Write("default.cfg", Pattern(272, 7));  // saved by another board
    TConfigBase<TEST_CONFIG> holder;
    ASSERT_TRUE(holder.LoadDefault());
    EXPECT_EQ(BytesOf(holder.Config), Pattern(272, 7));
    holder.Config.BoardId = 34;
    ASSERT_TRUE(holder.SaveDefault());
    ASSERT_TRUE(board.LoadDefault());
    EXPECT_EQ(board.Config.BoardId, 34);

    dir.Write("default.cfg", Pattern(416, 7));
    EXPECT_FALSE(board.LoadDefault());
    EXPECT_EQ(board.Config.BoardId, 34);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(RecordFileTest, SettingsDialogsStartInLastDirAndFollowTheChosenFile)
{
    TConfigTest board;
    board.LastDir = dir.Path();
    board.Config = RecordFrom<TEST_CONFIG>(Pattern(272, 2));

    EXPECT_FALSE(board.SaveWithDialog());  // Cancel
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    const auto& save = dialogs.FileDialogs()[0];
    EXPECT_TRUE(save.save);
    EXPECT_EQ(save.options.folder, dir.Path());
    EXPECT_EQ(save.options.filter, "Board Configuration Files (*.cfg *.CFG)");
    EXPECT_EQ(save.options.defaultSuffix, "cfg");
    EXPECT_EQ(board.LastDir, dir.Path());
    EXPECT_TRUE(dialogs.Boxes().empty());

    // The folder is taken before the save fails.
    dialogs.QueueFile(dir.Path() + "gone/x.cfg");
    EXPECT_FALSE(board.SaveWithDialog());
    EXPECT_EQ(board.LastDir, dir.Path() + "gone/");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to create file."});

    std::string other = dir.Write("sub/other.CFG", Pattern(272, 9));
    dialogs.QueueFile(other);
    EXPECT_TRUE(board.LoadWithDialog());
    EXPECT_FALSE(dialogs.FileDialogs().back().save);
    EXPECT_EQ(dialogs.FileDialogs().back().options.folder, dir.Path() + "gone/");
    EXPECT_EQ(BytesOf(board.Config), Pattern(272, 9));
    EXPECT_EQ(board.LastDir, dir.Path() + "sub/");

    TConfigBase<TEST_CONFIG> holder;
    holder.LastDir = dir.Path() + "sub/";
    std::string wrong = dir.Write("wrong.cfg", "short");
    dialogs.QueueFile(wrong);
    TEST_CONFIG before = holder.Config;
    EXPECT_FALSE(holder.LoadWithDialog());
    EXPECT_EQ(BytesOf(holder.Config), BytesOf(before));
    EXPECT_EQ(holder.LastDir, dir.Path());
    dialogs.QueueFile(dir.Path() + "saved.cfg");
    EXPECT_TRUE(holder.SaveWithDialog());
    EXPECT_EQ(ReadFile(dir.Path() + "saved.cfg"), BytesOf(holder.Config));
    EXPECT_EQ(dialogs.Boxes().size(), 1u);
}

TEST(RecordText, ReadStopsAtNulAt127BytesAndAtTheFieldsEnd)
{
    char field[128];
    std::memset(field, 'A', sizeof field);
    EXPECT_EQ(ReadRecordText(field), std::string(127, 'A'));
    std::memcpy(field, "ab\xE9\0zz", 6);
    EXPECT_EQ(ReadRecordText(field), "ab\xE9");
    struct { char small[4]; char next[4]; } packed = {{'w', 'x', 'y', 'z'}, {'n', 'e', 'x', 't'}};
    EXPECT_EQ(ReadRecordText(packed.small), "wxyz");
}

TEST(RecordText, WriteCutsTo127BytesAndKeepsWhatFollowsTheNul)
{
    char field[128];
    std::memset(field, 'Z', sizeof field);
    WriteRecordText(field, "pre\xFC");
    EXPECT_EQ(std::string(field, 6), std::string("pre\xFC\0Z", 6));
    WriteRecordText(field, std::string(200, 'q'));
    EXPECT_EQ(std::string(field, 127), std::string(127, 'q'));
    EXPECT_EQ(field[127], '\0');
    WriteRecordText(field, std::string("cut\0here", 8));
    EXPECT_EQ(ReadRecordText(field), "cut");
    char small[4];
    WriteRecordText(small, "longer");
    EXPECT_EQ(std::string(small, 4), std::string("lon\0", 4));
}

TEST(RecordText, Latin1BecomesUtf8)
{
    EXPECT_EQ(Latin1ToUtf8("Ab-09"), "Ab-09");
    EXPECT_EQ(Latin1ToUtf8("Z\xFCrich \xA0\xFF"), "Z\xC3\xBCrich \xC2\xA0\xC3\xBF");
    EXPECT_EQ(Latin1ToUtf8(std::string("\x80", 1)), "\xC2\x80");
}
