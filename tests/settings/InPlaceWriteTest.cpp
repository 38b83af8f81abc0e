// An in-place write writes the file it examined and nothing else: whoever can swap the name
// between the examination and the opening (another owner in a sticky folder) gets a refusal,
// not a write into what they put there.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <chrono>
#include <functional>
#include <sys/mount.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "HangGuard.h"
#include "ToolCheck.h"
#include "core/settings/FileWrite.h"
#include "core/settings/RecordFile.h"

namespace fs = std::filesystem;
using tooltest::ReadFile;

namespace {

std::function<void(const std::string&)> g_swap;

void Swap(const std::string& fileName)
{
    if (g_swap) g_swap(fileName);
}

// The hook stays set only for one test.
struct SwapHook {
    explicit SwapHook(std::function<void(const std::string&)> swap)
    {
        g_swap = std::move(swap);
        SetBeforeInPlaceOpen(&Swap);
    }
    ~SwapHook()
    {
        SetBeforeInPlaceOpen(nullptr);
        g_swap = nullptr;
    }
};

}  // namespace

TEST(InPlaceWrite, WritesOnlyTheFileItExamined)
{
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "s.cfg";
    const std::string secondName = dir.Path() + "second-s.cfg";  // the reason it is written in place
    const std::string elsewhere = dir.Path() + "own/private.cfg";
    const std::string aside = dir.Path() + "aside.cfg";
    const std::string text = "new settings";
    struct Case {
        const char* what;
        std::function<void(const std::string&)> swap;  // what happens to the name meanwhile
        bool written;
        std::function<void()> check;  // what stands at the name afterwards is untouched
    };
    int reader = -1;  // a reader of the pipe, so that opening it for writing would not fail by itself
    const Case cases[] = {
        {"nothing", [](const std::string&) {}, true, [&] { EXPECT_EQ(ReadFile(file), text); }},
        {"a pipe nobody reads",
         [&](const std::string& name) {
             fs::rename(name, aside);
             ASSERT_EQ(::mkfifo(name.c_str(), 0666), 0);
         },
         false, [&] { EXPECT_TRUE(fs::is_fifo(file)); }},
        {"a pipe being read",
         [&](const std::string& name) {
             fs::rename(name, aside);
             ASSERT_EQ(::mkfifo(name.c_str(), 0666), 0);
             reader = ::open(name.c_str(), O_RDONLY | O_NONBLOCK);
         },
         false,
         [&] {
             ASSERT_GE(reader, 0);
             char byte;
             EXPECT_LE(::read(reader, &byte, 1), 0);  // nothing was written into it
             ::close(reader);
         }},
        {"a link to the saving user's own file",
         [&](const std::string& name) {
             fs::rename(name, aside);
             fs::create_symlink(elsewhere, name);
         },
         false,
         [&] {
             EXPECT_TRUE(fs::is_symlink(file));
             EXPECT_EQ(ReadFile(elsewhere), "private");
         }},
        {"another file",
         [&](const std::string& name) {
             dir.Write("other.cfg", "someone else's");
             fs::rename(dir.Path() + "other.cfg", name);
         },
         false, [&] { EXPECT_EQ(ReadFile(file), "someone else's"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& path : {file, secondName, aside}) fs::remove(path);
        dir.Write("s.cfg", "old settings");
        fs::create_hard_link(file, secondName);
        dir.Write("own/private.cfg", "private");
        ::chmod(elsewhere.c_str(), 0600);
        FileWriteStatus status;
        {
            SwapHook hook(c.swap);
            HangGuard guard(c.what, 10);
            status = WriteFileReplacing(file, text.data(), text.size(), FileFlush::No);
        }
        EXPECT_EQ(static_cast<bool>(status), c.written);
        if (!c.written) {
            EXPECT_EQ(status.result, FileWriteResult::CreateFailed);
            EXPECT_EQ(status.error, EAGAIN);
            // The file that was examined keeps its old bytes under its other name.
            EXPECT_EQ(ReadFile(secondName), "old settings");
        }
        c.check();
    }
}

// On an overlay (a container's root, a live system), opening a lower layer's file for writing
// copies it up to a new inode, and a hard-linked file's copy has a new number: the save still
// writes the file it examined, and the merged file reads the new text.
TEST(InPlaceWrite, AnOverlaysLowerFileIsWritten)
{
    tooltest::TempDir dir;
    struct Layers {
        const char* what;
        bool tmpfsLower;
    };
    for (const Layers layers : {Layers{"layers on one file system", false}, Layers{"a tmpfs lower layer", true}}) {
        SCOPED_TRACE(layers.what);
        const std::string base = layers.tmpfsLower ? "tmpfs/" : "disk/";
        const std::string root = dir.Path() + base;
        for (const char* folder : {"lower", "upper", "work", "merged"}) fs::create_directories(root + folder);
        const ChildRun run = RunInChild([&]() -> std::string {
            if (!EnterPrivateMounts()) ::_exit(2);
            if (layers.tmpfsLower && ::mount("none", (root + "lower").c_str(), "tmpfs", 0, nullptr) != 0) ::_exit(2);
            dir.Write(base + "lower/f.cfg", "old settings");
            fs::create_hard_link(root + "lower/f.cfg", root + "lower/second.cfg");
            const std::string options = "lowerdir=" + root + "lower,upperdir=" + root + "upper,workdir=" + root + "work";
            if (::mount("overlay", (root + "merged").c_str(), "overlay", 0, options.c_str()) != 0) ::_exit(2);
            const std::string merged = root + "merged/f.cfg";
            const FileWriteStatus status = WriteFileReplacing(merged, "new settings", 12, FileFlush::No);
            if (!status) return "refused: " + SystemReason(status.error);
            return ReadFile(merged);
        });
        if (run.exited && run.exitCode == 2) GTEST_SKIP() << "cannot mount an overlay in a mount namespace of its own";
        EXPECT_EQ(run.output, "new settings");
    }
}

// A second instance that loads the settings while the first saves them in place gets the old
// record or the new one, never bytes of both, nor the new length filled with the reserve's
// zeros; a load of the other record's size is refused. One settings file serves every board, so
// the two records may differ in size.
TEST(InPlaceWrite, ALoadDuringAnInPlaceSaveGetsTheOldRecordOrTheNew)
{
    struct Sizes {
        std::size_t first, second;
    };
    for (const Sizes sizes : {Sizes{416, 416}, Sizes{416, 1188}}) {
        SCOPED_TRACE(std::to_string(sizes.first) + " and " + std::to_string(sizes.second) + " bytes");
        tooltest::TempDir dir;
        const std::string records[2] = {std::string(sizes.first, 'a'), std::string(sizes.second, 'b')};
        const std::string file = dir.Write("default.cfg", records[0]);
        fs::create_hard_link(file, dir.Path() + "second.cfg");  // so each save goes in place
        const auto due = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        const pid_t saver = ::fork();
        if (saver == 0) {
            for (int turn = 1; std::chrono::steady_clock::now() < due; ++turn) {
                const std::string& record = records[turn & 1];
                if (!WriteFileReplacing(file, record.data(), record.size(), FileFlush::No)) ::_exit(1);
            }
            ::_exit(0);
        }
        ASSERT_GT(saver, 0);
        long loads[2] = {}, mixes = 0, refused = 0;
        std::string loaded;
        for (int turn = 0; std::chrono::steady_clock::now() < due; ++turn) {
            const std::string& expected = records[turn & 1];  // loads of either size in turn
            loaded.assign(expected.size(), '\0');
            if (!LoadRecordFile(file, loaded.data(), loaded.size())) ++refused;
            else if (loaded == records[0] || loaded == records[1]) ++loads[loaded == records[1]];
            else ++mixes;
        }
        int status = 0;
        ASSERT_EQ(::waitpid(saver, &status, 0), saver);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
        EXPECT_EQ(mixes, 0) << "of " << loads[0] + loads[1] + mixes + refused << " loads";
        EXPECT_GT(loads[0], 0);
        EXPECT_GT(loads[1], 0);
        if (sizes.first != sizes.second) EXPECT_GT(refused, 0);
    }
}
