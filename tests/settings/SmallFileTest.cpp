// Small regular files are opened without waiting on a pipe or a device, yet a lease that
// another process (a file server) holds on the file is waited for, as a plain open waits:
// otherwise the settings would read as missing, and Exit would save the defaults over them.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "HangGuard.h"
#include "LeaseHolder.h"
#include "ToolCheck.h"
#include "core/settings/FileWrite.h"
#include "core/settings/IniFile.h"
#include "core/settings/RecordFile.h"
#include "core/settings/SmallFile.h"

namespace fs = std::filesystem;
using tooltest::ReadFile;

namespace {

constexpr auto kHeldFor = std::chrono::milliseconds(300);

// Runs `body` in a child that sees an empty /proc (some containers and chroots have none): a
// private mount namespace with a tmpfs over /proc. Skips where the system refuses that.
void WithoutProc(const std::function<std::string()>& body)
{
    const ChildRun run = RunInChild([&] {
        if (!EnterPrivateMounts() || ::mount("none", "/proc", "tmpfs", 0, nullptr) != 0 || fs::exists("/proc/self"))
            ::_exit(2);
        return body();
    });
    if (run.exited && run.exitCode == 2) GTEST_SKIP() << "cannot hide /proc in a mount namespace of its own, or take a lease there";
    EXPECT_TRUE(run.exited) << "ended by signal " << run.signal;
    EXPECT_EQ(run.output, "");
}

}  // namespace

TEST(SmallFile, ReadsOnlyARegularFileWholeAndTellsAMissingOne)
{
    tooltest::TempDir dir;
    const std::string file = dir.Write("a.cfg", "12345");
    fs::create_directory(dir.Path() + "folder");
    ASSERT_EQ(::mkfifo((dir.Path() + "pipe").c_str(), 0644), 0);
    using Status = SmallFileRead::Status;
    struct Case {
        std::string name;
        std::size_t maxSize;
        Status status;
        const char* bytes;
    };
    const Case cases[] = {
        {"a.cfg", 5, Status::Read, "12345"},     {"a.cfg", 6, Status::Read, "12345"},
        {"a.cfg", 4, Status::Refused, ""},       {"missing.cfg", 5, Status::Missing, ""},
        {"folder", 5, Status::Refused, ""},      {"pipe", 5, Status::Refused, ""},
        {"no/such/folder/a.cfg", 5, Status::Missing, ""},
        // Its size says 0, yet it holds more than the limit: read one byte past it to see that.
        {"/proc/self/status", 10, Status::Refused, ""},
    };
    HangGuard guard("reading small files", 10);
    for (const Case& c : cases) {
        const SmallFileRead read = ReadSmallFile(c.name[0] == '/' ? c.name : dir.Path() + c.name, c.maxSize);
        EXPECT_EQ(read.status, c.status) << c.name << " " << c.maxSize;
        EXPECT_EQ(read.bytes, c.bytes) << c.name << " " << c.maxSize;
    }
}

TEST(SmallFile, ALeaseIsWaitedFor)
{
    tooltest::TempDir dir;
    const std::string record = "0123456789abcdef";
    const std::string cfg = dir.Write("default.cfg", record);
    const std::string ini = dir.Write("pinwright.INI", "[Pinwright]\r\nMainBoard=5\r\n");
    // A second name makes the save write the file in place, through an open of its own.
    fs::create_hard_link(cfg, dir.Path() + "second.cfg");
    struct Case {
        const char* what;
        std::string file;
        int lease;  // a read lease is broken by an open for writing, a write lease by any open
        std::function<bool()> use;
    };
    char loaded[16] = {};
    const Case cases[] = {
        {"loading settings", cfg, F_WRLCK, [&] { return LoadRecordFile(cfg, loaded, sizeof loaded); }},
        {"reading the INI file", ini, F_WRLCK,
         [&] { return ReadIniInteger(ini, "Pinwright", "MainBoard", 0) == std::optional<int>(5); }},
        {"saving settings in place", cfg, F_RDLCK,
         [&] { return static_cast<bool>(WriteFileReplacing(cfg, "fedcba9876543210", 16, FileFlush::No)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LeaseHolder holder(c.file, c.lease, kHeldFor);
        if (!holder.Held()) GTEST_SKIP() << "this file system takes no lease";
        HangGuard guard(c.what, 30);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(c.use());
        EXPECT_GE(std::chrono::steady_clock::now() - start, kHeldFor);
    }
    EXPECT_EQ(std::string(loaded, sizeof loaded), record);
    EXPECT_EQ(ReadFile(dir.Path() + "second.cfg"), "fedcba9876543210");
}

// Without /proc a leased file is still waited for, not taken for missing: the user's INI keeps
// its other lines and the settings record reads, where they would be lost to the defaults.
TEST(SmallFile, ALeaseIsWaitedForWithoutProc)
{
    tooltest::TempDir dir;
    const std::string record = "0123456789abcdef";
    const std::string cfg = dir.Write("default.cfg", record);
    const std::string ini = dir.Write("pinwright.INI", "[Mine]\r\nKept=1\r\n[Pinwright]\r\nMainBoard=5\r\n");
    WithoutProc([&] {
        std::string faults;
        struct Case {
            const char* what;
            std::string file;
            std::function<bool()> use;
        };
        char loaded[16] = {};
        const Case cases[] = {
            {"reading the INI file", ini, [&] { return ReadIniInteger(ini, "Pinwright", "MainBoard", 0) == std::optional<int>(5); }},
            {"writing the INI file", ini, [&] { return WriteIniInteger(ini, "Pinwright", "MainBoard", 34); }},
            {"loading settings", cfg, [&] { return LoadRecordFile(cfg, loaded, sizeof loaded); }},
        };
        for (const Case& c : cases) {
            LeaseHolder holder(c.file, F_WRLCK, std::chrono::seconds(2));
            if (!holder.Held()) ::_exit(2);
            HangGuard guard(c.what, 30);
            if (!c.use()) faults += std::string(c.what) + " failed; ";
        }
        if (std::string(loaded, sizeof loaded) != record) faults += "the record read otherwise; ";
        if (ReadFile(ini) != "[Mine]\r\nKept=1\r\n[Pinwright]\r\nMainBoard=34\r\n") faults += "INI: " + ReadFile(ini);
        // An in-place save, without /proc to open the examined file through, still writes it.
        fs::create_hard_link(cfg, dir.Path() + "second.cfg");
        if (!WriteFileReplacing(cfg, "fedcba9876543210", 16, FileFlush::No) ||
            ReadFile(dir.Path() + "second.cfg") != "fedcba9876543210")
            faults += "the in-place save failed";
        return faults;
    });
}

// An advisory lock that another program holds for long (ours are held for a few writes) is
// waited for a while, then passed by: the settings still load and save, where refusing would
// show the defaults and save them over the user's.
TEST(SmallFile, ALockHeldForLongDelaysButNeverRefuses)
{
    tooltest::TempDir dir;
    const std::string cfg = dir.Write("default.cfg", "0123456789abcdef");
    fs::create_hard_link(cfg, dir.Path() + "second.cfg");  // so the save goes in place
    char loaded[16] = {};
    struct Case {
        const char* what;
        int lock;  // what the other program holds: it keeps out what this one asks for
        std::function<bool()> use;
        const char* after;
    };
    const Case cases[] = {
        {"loading settings", LOCK_EX, [&] { return LoadRecordFile(cfg, loaded, sizeof loaded); }, "0123456789abcdef"},
        {"saving settings in place", LOCK_SH,
         [&] { return static_cast<bool>(WriteFileReplacing(cfg, "fedcba9876543210", 16, FileFlush::No)); },
         "fedcba9876543210"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t holder = ::fork();
        if (holder == 0) {
            const int fd = ::open(cfg.c_str(), O_RDONLY);
            const char ok = fd >= 0 && ::flock(fd, c.lock) == 0 ? '1' : '0';
            [[maybe_unused]] ssize_t n = ::write(ready[1], &ok, 1);
            for (;;) ::pause();
        }
        char ok = '0';
        ASSERT_EQ(::read(ready[0], &ok, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        ASSERT_EQ(ok, '1');
        HangGuard guard(c.what, 30);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(c.use());
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
        EXPECT_EQ(ReadFile(dir.Path() + "second.cfg"), c.after);
    }
    EXPECT_EQ(std::string(loaded, sizeof loaded), "0123456789abcdef");
}
