// Small regular files are opened without waiting on a pipe or a device, yet a lease that
// another process (a file server) holds on the file is waited for, as a plain open waits:
// otherwise the settings would read as missing, and Exit would save the defaults over them.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "HangGuard.h"
#include "ToolCheck.h"
#include "core/settings/FileWrite.h"
#include "core/settings/IniFile.h"
#include "core/settings/RecordFile.h"
#include "core/settings/SmallFile.h"

namespace fs = std::filesystem;
using tooltest::ReadFile;

namespace {

constexpr auto kHeldFor = std::chrono::milliseconds(300);

// A second process holding a lease on a file, as a file server does for a client's cache: it
// gives the lease up `kHeldFor` after being told that someone else opens the file.
class LeaseHolder {
public:
    LeaseHolder(const std::string& fileName, int lease)
    {
        int ready[2];
        if (::pipe(ready) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            sigset_t broken;
            sigemptyset(&broken);
            sigaddset(&broken, SIGIO);
            ::sigprocmask(SIG_BLOCK, &broken, nullptr);  // taken with sigwait below
            const int fd = ::open(fileName.c_str(), lease == F_RDLCK ? O_RDONLY : O_RDWR);
            const char ok = fd >= 0 && ::fcntl(fd, F_SETLEASE, lease) == 0 ? '1' : '0';
            [[maybe_unused]] ssize_t n = ::write(ready[1], &ok, 1);
            if (ok != '1') ::_exit(1);
            int signal = 0;
            ::sigwait(&broken, &signal);
            ::usleep(static_cast<useconds_t>(std::chrono::microseconds(kHeldFor).count()));
            ::fcntl(fd, F_SETLEASE, F_UNLCK);
            ::_exit(0);
        }
        ::close(ready[1]);
        char ok = '0';
        m_held = m_pid > 0 && ::read(ready[0], &ok, 1) == 1 && ok == '1';
        ::close(ready[0]);
    }
    ~LeaseHolder()
    {
        if (m_pid <= 0) return;
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == 0) ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &status, 0);
    }
    LeaseHolder(const LeaseHolder&) = delete;
    LeaseHolder& operator=(const LeaseHolder&) = delete;
    bool Held() const { return m_held; }

private:
    pid_t m_pid = -1;
    bool m_held = false;
};

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
    };
    HangGuard guard("reading small files", 10);
    for (const Case& c : cases) {
        const SmallFileRead read = ReadSmallFile(dir.Path() + c.name, c.maxSize);
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
        LeaseHolder holder(c.file, c.lease);
        if (!holder.Held()) GTEST_SKIP() << "this file system takes no lease";
        HangGuard guard(c.what, 30);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(c.use());
        EXPECT_GE(std::chrono::steady_clock::now() - start, kHeldFor);
    }
    EXPECT_EQ(std::string(loaded, sizeof loaded), record);
    EXPECT_EQ(ReadFile(dir.Path() + "second.cfg"), "fedcba9876543210");
}
