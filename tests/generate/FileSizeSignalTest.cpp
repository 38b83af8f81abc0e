// A file-size limit (`ulimit -f`) reached while the program writes: started as the program
// starts, the write fails and is told, the old file stays whole, no temporary file is left,
// and the program goes on. Without that start-up step the system ends the process.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "ChildProcess.h"
#include "GenerateEnv.h"
#include "GenerateFixture.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/ConfigUlvarin.h"
#include "core/generate/SystemBuild.h"
#include "platform/Environment.h"

TEST(FileSizeSignal, GenerateAndSettingsSaveFailAndTheProgramGoesOn)
{
    for (bool startedAsTheProgram : {true, false}) {
        SCOPED_TRACE(startedAsTheProgram ? "started as the program" : "without the start-up step");
        tooltest::TempDir dir;
        const std::string qpf = dir.Write("p/top.qpf", "the old project");
        const std::string cfg = dir.Write("s/board.cfg", "the old settings");
        const ChildRun run = RunInChild([&] {
            std::signal(SIGXFSZ, SIG_DFL);  // as a new process has it
            if (startedAsTheProgram) platform::IgnoreFileSizeSignal();
            rlimit limit{16, 16};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            gentest::GenerateEnv env;
            const bool generated = TSystemBuild().Generate(*gentest::MakeFixtureBoard(), qpf, false);
            TConfigUlvarin settings;
            settings.Config = TConfigUlvarin::DefaultConfig();
            const bool saved = settings.SaveToFile(cfg);
            std::string out = std::string(generated ? "generated" : "not generated") + ", " +
                              (saved ? "saved" : "not saved");
            for (const std::string& text : env.dialogs.Texts()) out += "\n" + text;
            return out;
        });
        if (!startedAsTheProgram) {
            EXPECT_FALSE(run.exited);
            EXPECT_EQ(run.signal, SIGXFSZ);
            continue;
        }
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, "not generated, not saved\n"
                              "Failed to create file top.qpf\r\nFile too large\n"
                              "Failed to write file.\r\n" + cfg + ": File too large");
        EXPECT_EQ(tooltest::ReadFile(qpf), "the old project");
        EXPECT_EQ(tooltest::ReadFile(cfg), "the old settings");
        EXPECT_EQ(tooltest::FolderEntries(dir.Path() + "p"), std::vector<std::string>{"top.qpf"});
        EXPECT_EQ(tooltest::FolderEntries(dir.Path() + "s"), std::vector<std::string>{"board.cfg"});
    }
}
