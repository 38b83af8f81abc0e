#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "FileSizeLimit.h"
#include "SettingsFixture.h"
#include "core/generate/FileGenerator.h"
#include "core/generate/SystemBuild.h"
#include "core/settings/FileWrite.h"
#include "core/settings/RecordText.h"
#include "platform/Format.h"
#include "platform/Resources.h"

namespace fs = std::filesystem;
using tooltest::FolderEntries;
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

// What one whole-file save did: its result, then every exception box and message box.
struct SaveOutcome {
    bool ok = false;
    std::vector<std::string> shown;
};

rlim_t g_inPlaceLimit = 0;

void LimitFileSize(rlim_t limit)
{
    rlimit rl{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &rl);
}

// Runs the save in a child process, with files limited to `limit` bytes when it is not zero,
// from the start or, when `limitInPlace`, only once the file is about to be written in place,
// and, when `unprivileged`, as user and group "nobody"; nothing when the child cannot change
// user. The child's dialogs start empty.
std::optional<SaveOutcome> RunSave(tooltest::ScriptedDialogs& dialogs, bool unprivileged, rlim_t limit,
                                   bool limitInPlace, const std::function<bool()>& save)
{
    const ChildRun run = RunInChild([&] {
        if (unprivileged && !BecomeNobody()) ::_exit(2);
        if (limit != 0 && limitInPlace) {
            g_inPlaceLimit = limit;
            SetBeforeInPlaceOpen([](const std::string&) { LimitFileSize(g_inPlaceLimit); });
        } else if (limit != 0) {
            LimitFileSize(limit);
        }
        dialogs.Clear();
        std::string out(1, save() ? '1' : '0');
        // Each text ends in a NUL: the texts have lines of their own.
        for (const std::string& text : dialogs.Exceptions()) out += "exception: " + text + '\0';
        for (const std::string& text : dialogs.Texts()) out += text + '\0';
        return out;
    });
    if (run.exited && run.exitCode == 2) return std::nullopt;
    if (!run.exited || run.exitCode != 0 || run.output.empty()) return SaveOutcome{false, {"child failed"}};
    SaveOutcome outcome{run.output[0] == '1', {}};
    std::istringstream texts(run.output.substr(1));
    for (std::string text; std::getline(texts, text, '\0');) outcome.shown.push_back(text);
    return outcome;
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
    ASSERT_EQ(::mkfifo((dir.Path() + "pipe.cfg").c_str(), 0644), 0);  // nobody writes it: must not wait
    std::vector<std::string> paths = {dir.Path() + "missing.cfg", dir.Path() + "folder.cfg",
                                      dir.Path() + "dangling.cfg", dir.Path() + "pipe.cfg"};
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

// Settings, project files, the pin report and the controller copies alike: a new file
// replaces the old one, so that a failed write leaves the old one whole and the new one keeps
// its permissions and owner; a read-only file is refused even for a privileged user; a file in
// a folder that takes no new file, or with a second name, is written in place; a link is
// written through, also where it names no file yet, and stays a link; a full device is written
// into. Each failure says which file and why.
TEST_F(RecordFileTest, WholeFileWritesKeepAGoodFileAndRespectItsPermissions)
{
    enum Outcome { Written, CreateFails, WriteFails };
    enum class Link { None, ToFile, ToMissingFolder, ToFullDevice };
    const std::string before = "old and good";
    const std::string after = Pattern(272, 3);
    // The controller copies write an item of the program: here one holding the new bytes.
    static const std::string item = after;
    static const platform::EmbeddedItem items[] = {
        {"NEW_BYTES_VERILOG", reinterpret_cast<const unsigned char*>(item.data()), item.size()}, {nullptr, nullptr, 0}};
    platform::AddResourceTable(items);

    struct Writer {
        const char* file;
        std::function<bool(const std::string&, const std::string&)> save;
        // What is shown, with {path}, {name} and {reason} for the file as saved and the
        // system's reason; a project file shows the exception first.
        std::string createFailed, writeFailed;
        bool showsException;
    };
    auto saveSettings = [](const std::string& path, const std::string& bytes) {
        return SaveRecordFile(path, bytes.data(), bytes.size());
    };
    // The report is told as its writer tells it; a controller copy's failure as the export's
    // box names it.
    auto saveReport = [](const std::string& path, const std::string& bytes) {
        FileGenerator report;
        report.AddLine("%s", bytes.c_str());
        const FileWriteStatus status = report.SaveToFile(path);
        if (!status) ShowFileNotWritten(path, status.error);
        return static_cast<bool>(status);
    };
    auto copyController = [](const std::string& path, const std::string&) {
        const ExportResult result = TConfigBoard::WriteResourceToFile(path, "NEW_BYTES_VERILOG");
        if (!result) platform::ErrorBox(platform::ExtractFileName(result.failedFile) + ": " + result.reason);
        return static_cast<bool>(result);
    };
    const Writer writers[] = {
        {"board.cfg", saveSettings, "Failed to create file.\r\n{path}: {reason}",
         "Failed to write file.\r\n{path}: {reason}", false},
        {"top.qsf", WriteProjectFile, "Failed to create file {name}\r\n{reason}", "Failed to create file {name}\r\n{reason}",
         true},
        {"top.htm", saveReport, "Failed to create file {name}\r\n{reason}", "Failed to create file {name}\r\n{reason}",
         false},
        {"ctl.v", copyController, "{name}: {reason}", "{name}: {reason}", false},
    };
    struct Case {
        const char* what;
        bool exists;          // the file is there before the save
        mode_t fileMode;
        bool folderReadOnly;  // no new file can be created in its folder
        Link link;            // saved under the name of a link
        bool hardLink;        // the file has a second name
        rlim_t limit;         // files may not grow past this (a full disk); 0 for no limit
        Outcome outcome;
        const char* reason;   // the system's, on failure
        bool longOld = false; // the old file is longer than the new bytes: an in-place write does not grow it
        bool sticky = false;  // another user's file in a folder where only owners replace their files
        bool limitInPlace = false;  // the limit is met only by the write in place, not by a new copy
    };
    const char* const kDenied = "Permission denied";
    const char* const kTooLarge = "File too large";
    const Case cases[] = {
        {"writable file", true, 0644, false, Link::None, false, 0, Written, ""},
        {"new file", false, 0, false, Link::None, false, 0, Written, ""},
        {"read-only file", true, 0444, false, Link::None, false, 0, CreateFails, kDenied},
        {"full disk", true, 0644, false, Link::None, false, 100, WriteFails, kTooLarge},
        {"read-only folder, writable file", true, 0666, true, Link::None, false, 0, Written, ""},
        {"read-only folder, writable file, full disk", true, 0666, true, Link::None, false, 100, WriteFails, kTooLarge},
        {"read-only folder, read-only file", true, 0444, true, Link::None, false, 0, CreateFails, kDenied},
        {"read-only folder, no file", false, 0, true, Link::None, false, 0, CreateFails, kDenied},
        {"link to a writable file", true, 0640, false, Link::ToFile, false, 0, Written, ""},
        {"link to a read-only file", true, 0440, false, Link::ToFile, false, 0, CreateFails, kDenied},
        {"link, full disk", true, 0640, false, Link::ToFile, false, 100, WriteFails, kTooLarge},
        {"link to no file yet", false, 0, false, Link::ToFile, false, 0, Written, ""},
        {"link to no file yet, read-only folder", false, 0, true, Link::ToFile, false, 0, CreateFails, kDenied},
        {"link into a missing folder", false, 0, false, Link::ToMissingFolder, false, 0, CreateFails,
         "No such file or directory"},
        {"link to a full device", false, 0, false, Link::ToFullDevice, false, 0, WriteFails, "No space left on device"},
        {"file with a second name", true, 0644, false, Link::None, true, 0, Written, ""},
        {"file with a second name, full disk", true, 0644, false, Link::None, true, 100, WriteFails, kTooLarge},
        {"longer file with a second name, full disk", true, 0644, false, Link::None, true, 100, WriteFails, kTooLarge,
         true},
        {"read-only folder, longer writable file, full disk", true, 0666, true, Link::None, false, 100, WriteFails,
         kTooLarge, true},
        {"someone else's writable file in a sticky folder", true, 0666, false, Link::None, false, 0, Written, "", true,
         true},
        // The new copy meets the limit first, before the rename is refused.
        {"someone else's file in a sticky folder, full disk: the new copy fails", true, 0666, false, Link::None,
         false, 100, WriteFails, kTooLarge, true, true},
        {"someone else's file in a sticky folder, full disk once written in place", true, 0666, false, Link::None,
         false, 100, WriteFails, kTooLarge, true, true, true},
    };
    ::chmod(dir.Path().c_str(), 0755);  // an unprivileged save must reach the folders
    bool skipped = false;
    int row = 0;
    for (const Case& c : cases) {
        for (const Writer& w : writers) {
            SCOPED_TRACE(std::string(c.what) + ", " + w.file);
            const std::string folder = dir.Path() + "case" + std::to_string(row++) + "/";
            fs::create_directory(folder);
            const std::string file = folder + w.file;
            std::string savedAs = file;
            const std::string old = c.longOld ? before + std::string(400, '.') : before;
            if (c.exists) {
                dir.Write(file.substr(dir.Path().size()), old);
                ::chmod(file.c_str(), c.fileMode);
                // Someone else's file, where the user may give files away: the saving user's own
                // when the save runs as "nobody", except in the sticky folder.
                if (::geteuid() == 0 && !c.sticky && ::chown(file.c_str(), kNobody, kNobody) != 0) ADD_FAILURE() << "chown";
            }
            struct stat original {};
            ::stat(file.c_str(), &original);
            if (c.link != Link::None) {
                savedAs = folder + "link-" + w.file;
                fs::create_symlink(c.link == Link::ToFile            ? fs::path(w.file)
                                   : c.link == Link::ToMissingFolder ? fs::path("missing") / w.file
                                                                     : fs::path("/dev/full"),
                                   savedAs);
            }
            const std::string secondName = folder + "second-" + w.file;
            if (c.hardLink) fs::create_hard_link(file, secondName);
            const std::vector<std::string> entries = FolderEntries(folder);
            if (c.folderReadOnly) ::chmod(folder.c_str(), 0555);
            if (c.sticky) ::chmod(folder.c_str(), 01777);
            // A privileged user may write into any folder and replace any file, so such a save
            // runs as an ordinary one.
            const bool unprivileged = (c.folderReadOnly || c.sticky) && CanCreateIn(folder);
            auto outcome = RunSave(dialogs, unprivileged, c.limit, c.limitInPlace, [&] { return w.save(savedAs, after); });
            ::chmod(folder.c_str(), 0755);
            if (!outcome) {
                skipped = true;
                continue;
            }

            std::vector<std::string> shown;
            if (c.outcome == CreateFails && w.showsException)
                shown.push_back("exception: Cannot create file \"" + savedAs + "\". " + c.reason);
            if (c.outcome != Written) {
                std::string text = c.outcome == CreateFails ? w.createFailed : w.writeFailed;
                for (auto [field, value] : {std::pair<std::string, std::string>{"{path}", savedAs},
                                            {"{name}", platform::ExtractFileName(savedAs)},
                                            {"{reason}", c.reason}})
                    if (auto at = text.find(field); at != std::string::npos) text.replace(at, field.size(), value);
                shown.push_back(text);
            }
            EXPECT_EQ(outcome->ok, c.outcome == Written);
            EXPECT_EQ(outcome->shown, shown);
            if (c.outcome == Written) EXPECT_EQ(ReadFile(file), after);
            else if (c.exists) EXPECT_EQ(ReadFile(file), old);
            // No temporary file stays behind, and a link stays a link.
            std::vector<std::string> expectedEntries = entries;
            if (c.outcome == Written && !c.exists) expectedEntries.push_back(w.file);
            std::sort(expectedEntries.begin(), expectedEntries.end());
            EXPECT_EQ(FolderEntries(folder), expectedEntries);
            if (c.link != Link::None) EXPECT_TRUE(fs::is_symlink(savedAs));
            if (c.hardLink) EXPECT_TRUE(fs::equivalent(file, secondName));
            if (c.exists) {
                struct stat st {};
                ASSERT_EQ(::stat(file.c_str(), &st), 0);
                EXPECT_EQ(st.st_mode & 07777, c.fileMode);
                EXPECT_EQ(st.st_uid, original.st_uid);
                EXPECT_EQ(st.st_gid, original.st_gid);
            }
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    if (skipped) GTEST_SKIP() << "cannot run as an unprivileged user";
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
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to write file.\r\n" + old + ": File too large"});
    EXPECT_EQ(ReadFile(old), Pattern(272, 4));
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"default.cfg"});
}

TEST_F(RecordFileTest, SaveThatCannotCreateTheFileReportsIt)
{
    fs::create_directory(dir.Path() + "taken.cfg");
    TEST_CONFIG record{};
    for (auto [path, reason] : {std::pair{dir.Path() + "no/such/folder/x.cfg", "No such file or directory"},
                                {dir.Path() + "taken.cfg", "Is a directory"}}) {
        dialogs.Clear();
        EXPECT_FALSE(SaveRecord(path, record)) << path;
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to create file.\r\n" + path + ": " + reason});
    }
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"taken.cfg"});
    EXPECT_TRUE(fs::is_directory(dir.Path() + "taken.cfg"));
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
    EXPECT_EQ(dialogs.Texts(),
              std::vector<std::string>{"Failed to create file.\r\n" + dir.Path() + "gone/x.cfg: No such file or directory"});

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
