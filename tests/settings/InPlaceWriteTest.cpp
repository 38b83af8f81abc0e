// An in-place write writes the file it examined and nothing else: whoever can swap the name
// between the examination and the opening (another owner in a sticky folder) gets a refusal,
// not a write into what they put there.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "HangGuard.h"
#include "ToolCheck.h"
#include "core/settings/FileWrite.h"

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
