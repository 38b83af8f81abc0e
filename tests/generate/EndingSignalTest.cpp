// A signal that ends the program, sent at a random moment while a whole project is generated
// over an older one: every file is left old or new, never a mix of both, no temporary file
// stays beside them, and the program still ends by that signal. With each old file given a
// second name first, the writes go in place. A program that handles or ignores the signal
// goes on, with the files new; its handler runs only between two files.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <random>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "GenerateEnv.h"
#include "LeaseHolder.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/FileWrite.h"

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;  // content by name
using Clock = std::chrono::steady_clock;

Files ReadFiles(const std::string& folder)
{
    Files files;
    for (const std::string& name : tooltest::FolderEntries(folder)) files[name] = tooltest::ReadFile(folder + name);
    return files;
}

// A few groups, or every group and a card on the header: files of the same names, the second
// set longer.
ULVARIN_CONFIG Record(bool everything)
{
    ULVARIN_CONFIG record = TConfigUlvarin::DefaultConfig();
    for (uint8_t* group : {&record.bButton, &record.bSwitch, &record.bVga, &record.bSdram, &record.bAudio,
                           &record.bVideoIn, &record.bAdc, &record.bSeg7, &record.bIr, &record.bPs2, &record.bHps})
        *group = everything ? 1 : 0;
    record.nGpioDaughterId[0] = everything ? DAUGHTER_GPIO_DEFAULT : 0;
    return record;
}

bool Generate(bool everything, const std::string& folder)
{
    gentest::GenerateEnv env;
    TConfigUlvarin settings;
    settings.Config = Record(everything);
    return GenerateUlvarinProject(settings, folder + "P.qpf") && env.dialogs.Boxes().empty();
}

// The two projects' files, and how long a generation takes at most.
struct Projects {
    Files files[2];
    Clock::duration longest{};
};

const Projects& TwoProjects()
{
    static const Projects projects = [] {
        Projects p;
        for (bool everything : {false, true}) {
            tooltest::TempDir dir;
            for (int run = 0; run < 3; ++run) {
                const auto start = Clock::now();
                EXPECT_TRUE(Generate(everything, dir.Path()));
                p.longest = std::max(p.longest, Clock::now() - start);
            }
            p.files[everything] = ReadFiles(dir.Path());
        }
        return p;
    }();
    return projects;
}

void SpinFor(Clock::duration span)
{
    const auto due = Clock::now() + span;
    while (Clock::now() < due) {
    }
}

// The folder a project is generated into, laid anew with the old project for each round. The
// system reports each file opened in it: the moment a write begins. (One folder for all
// rounds: an inotify instance takes milliseconds to close.)
class ProjectFolder {
public:
    ProjectFolder() : m_events(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        fs::create_directory(Path());
        fs::create_directory(m_dir.Path() + "links");
        EXPECT_GE(::inotify_add_watch(m_events, Path().c_str(), IN_OPEN), 0);
    }
    ~ProjectFolder() { ::close(m_events); }
    ProjectFolder(const ProjectFolder&) = delete;
    ProjectFolder& operator=(const ProjectFolder&) = delete;

    std::string Path() const { return m_dir.Path() + "p/"; }

    // The old files alone, each with a second name in another folder if asked.
    void Lay(const Files& files, bool secondNames)
    {
        for (const char* folder : {"p", "links"})
            for (const fs::directory_entry& entry : fs::directory_iterator(m_dir.Path() + folder))
                fs::remove(entry.path());
        for (const auto& [name, text] : files) {
            m_dir.Write("p/" + name, text);
            if (secondNames) fs::create_hard_link(Path() + name, m_dir.Path() + "links/" + name);
        }
        alignas(inotify_event) char buffer[4096];
        while (::read(m_events, buffer, sizeof buffer) > 0) {  // this process's openings
        }
    }

    // Returns once `count` files have been opened, or after a second. Polled, not waited for,
    // so that no wake-up stands between the opening and the return.
    void AwaitOpenings(int count) const
    {
        const auto limit = Clock::now() + std::chrono::seconds(1);
        alignas(inotify_event) char buffer[4096];
        while (count > 0 && Clock::now() < limit) {
            const ssize_t n = ::read(m_events, buffer, sizeof buffer);
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if ((event->mask & IN_ISDIR) == 0) --count;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

private:
    tooltest::TempDir m_dir;
    int m_events;
};

// What is wrong with the folder after a round, or nothing: each file old or new, nothing else.
// `mixed` tells whether the round left old and new files side by side.
std::string Faults(const std::string& folder, const Files& before, const Files& after, bool& mixed)
{
    std::string faults;
    bool someOld = false, someNew = false;
    const Files found = ReadFiles(folder);
    for (const auto& [name, text] : found) {
        const auto old = before.find(name), now = after.find(name);
        if (old == before.end() || now == after.end()) faults += " " + name + " (left behind)";
        else if (text != old->second && text != now->second) faults += " " + name + " (torn)";
        else if (old->second != now->second) (text == old->second ? someOld : someNew) = true;
    }
    for (const auto& [name, text] : after)
        if (!found.contains(name)) faults += " " + name + " (missing)";
    mixed = someOld && someNew;
    return faults;
}

// Random moments of a generation: any moment of it, up to half again its time (a child runs a
// little slower than the parent, and some signals come after the last file); or up to 5 µs
// after a random one of its files is opened, as a write lasts a few microseconds beside the
// milliseconds of composing the text, and is seldom met by chance.
class RandomMoments {
public:
    RandomMoments(unsigned seed, const Projects& projects)
        : m_random(seed), m_any(0, projects.longest.count() * 3 / 2),
          m_file(1, static_cast<int>(projects.files[0].size()))
    {
    }

    // What the test process waits for before it sends the signal.
    std::function<void()> Next(const ProjectFolder& folder, bool nearAWrite)
    {
        const int file = m_file(m_random);
        const Clock::duration delay(nearAWrite ? m_afterOpening(m_random) : m_any(m_random));
        return [&folder, nearAWrite, file, delay] {
            if (nearAWrite) folder.AwaitOpenings(file);
            SpinFor(delay);
        };
    }

private:
    std::mt19937 m_random;
    std::uniform_int_distribution<Clock::rep> m_any;
    std::uniform_int_distribution<Clock::rep> m_afterOpening{0, Clock::duration(std::chrono::microseconds(5)).count()};
    std::uniform_int_distribution<int> m_file;
};

// Rounds of a generation over the other project, ended by `signal` at a random moment: over
// either project (files growing and shrinking), written in place or replaced.
void ExpectEveryFileWholeAndTheProgramEnded(int signal, int rounds)
{
    const Projects& projects = TwoProjects();
    RandomMoments moments(20241208u + static_cast<unsigned>(signal), projects);
    ProjectFolder folder;
    int mixed = 0;  // rounds that left old and new files side by side
    for (int round = 0; round < rounds; ++round) {
        const bool everything = (round & 1) != 0, inPlace = (round & 2) != 0;
        const Files& before = projects.files[!everything];
        const Files& after = projects.files[everything];
        folder.Lay(before, inPlace);
        const ChildRun run = RunInChildSignalled({.work = [&] { Generate(everything, folder.Path()); },
                                                  .report =
                                                      [] {
                                                          ::sleep(2);  // a thread may be ending it
                                                          return std::string("outlived the signal");
                                                      }},
                                                 signal, moments.Next(folder, (round & 4) != 0));
        bool mix = false;
        const std::string faults = Faults(folder.Path(), before, after, mix);
        mixed += mix;
        ASSERT_EQ(faults, "") << "round " << round << (inPlace ? ", in place" : ", replaced");
        ASSERT_FALSE(run.exited) << "round " << round << ": " << run.output;
        ASSERT_EQ(run.signal, signal) << "round " << round;
    }
    // Else the moments missed the generation, and the rounds showed nothing.
    EXPECT_GT(mixed, rounds / 8);
}

std::atomic<int> g_handled{0};
std::atomic<int> g_entriesWhenHandled{0};
int g_folderFd = -1;

// The folder's entries other than "." and "..", counted with calls a handler may make.
int CountEntries(int folderFd)
{
    alignas(dirent64) char buffer[4096];
    int count = 0;
    ::lseek(folderFd, 0, SEEK_SET);
    for (long n; (n = ::syscall(SYS_getdents64, folderFd, buffer, sizeof buffer)) > 0;) {
        for (long at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            const char* name = entry->d_name;
            if (!(name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))) ++count;
            at += entry->d_reclen;
        }
    }
    return count;
}

void Handle(int)
{
    ++g_handled;
    g_entriesWhenHandled = CountEntries(g_folderFd);
}

}  // namespace

TEST(EndingSignal, GenerateLeavesEachFileOldOrNewAndTheProgramEndsByTheSignal)
{
    ExpectEveryFileWholeAndTheProgramEnded(SIGTERM, 160);
}

TEST(EndingSignal, CtrlCHangUpAndQuitAlike)
{
    for (int signal : {SIGINT, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(strsignal(signal));
        ExpectEveryFileWholeAndTheProgramEnded(signal, 48);
    }
}

// The program's own choice stands: a handler runs once, when no file is half-written (its
// folder holds the project's files and no temporary one), and an ignored signal changes
// nothing; either way the generation completes.
TEST(EndingSignal, AHandledOrIgnoredSignalLetsTheGenerationComplete)
{
    const Projects& projects = TwoProjects();
    RandomMoments moments(7u, projects);
    ProjectFolder folder;
    for (bool handled : {true, false}) {
        SCOPED_TRACE(handled ? "handled" : "ignored");
        for (int round = 0; round < 40; ++round) {
            folder.Lay(projects.files[false], false);
            bool generated = false;
            const ChildRun run = RunInChildSignalled(
                {.prepare =
                     [&] {
                         g_folderFd = ::open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY);
                         struct sigaction action {};
                         action.sa_handler = handled ? Handle : SIG_IGN;  // no SA_RESTART: calls may fail EINTR
                         ::sigaction(SIGTERM, &action, nullptr);
                     },
                 .work = [&] { generated = Generate(true, folder.Path()); },
                 .report =
                     [&] {
                         for (int wait = 0; handled && g_handled == 0 && wait < 2000; ++wait) ::usleep(1000);
                         return std::string(generated ? "generated" : "failed") + ", handled " +
                                std::to_string(g_handled) + ", entries then " + std::to_string(g_entriesWhenHandled);
                     }},
                SIGTERM, moments.Next(folder, round % 2 != 0));
            ASSERT_TRUE(run.exited) << "round " << round;
            const std::string entries = std::to_string(handled ? projects.files[true].size() : 0);
            EXPECT_EQ(run.output, "generated, handled " + std::string(handled ? "1" : "0") + ", entries then " + entries)
                << "round " << round;
            EXPECT_EQ(ReadFiles(folder.Path()), projects.files[true]) << "round " << round;
        }
    }
}

// Signals are held only while bytes change. A save that waits to open a file another process
// holds a lease on (a file server's, given up late or never) has changed nothing yet: the signal
// ends the program at once, by that signal, and the file stays as it was under both its names.
TEST(EndingSignal, ASaveWaitingForALeaseEndsAtOnce)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(strsignal(signal));
        tooltest::TempDir dir;
        const std::string file = dir.Write("f.cfg", "old settings");
        fs::create_hard_link(file, dir.Path() + "second.cfg");  // written in place, through an open
        LeaseHolder holder(file, F_RDLCK, LeaseHolder::kKept);  // broken by an open for writing
        if (!holder.Held()) GTEST_SKIP() << "this file system takes no lease";
        const auto start = Clock::now();
        const ChildRun run = RunInChildSignalled(
            {.work = [&] { WriteFileReplacing(file, "new settings", 12, FileFlush::No); },
             .report = [] { return std::string("outlived the signal"); }},
            signal, [&] { EXPECT_TRUE(holder.AwaitBreak(std::chrono::seconds(5))); });
        EXPECT_FALSE(run.exited) << run.output;
        EXPECT_EQ(run.signal, signal);
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
        EXPECT_TRUE(holder.Holding());
        EXPECT_EQ(tooltest::ReadFile(file), "old settings");
        EXPECT_EQ(tooltest::ReadFile(dir.Path() + "second.cfg"), "old settings");
    }
}
