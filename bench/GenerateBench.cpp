// What a user waits for on Generate, against writing the same bytes with plain file writes:
// the largest Ulvarin project (every group, HPS, a GPIO card and an HSMC card), and Plimmet's
// left-Ctrl batch (every HSMC card from "None", then every GPIO card: 34 projects), each
// written into a temporary folder. Run by hand: build/bench/pinwright_bench [iterations]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "boards/cyclone5_max10/CONFIG_Plimmet.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/ProjectName.h"
#include "platform/Environment.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::string Read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs `generate` once to learn the files it writes, then times it against plain writes of
// those bytes. False when the generation fails.
bool Measure(const char* what, const fs::path& folder, const std::function<bool()>& generate, int iterations)
{
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (!generate()) {
        std::fprintf(stderr, "%s: generation failed\n", what);
        return false;
    }
    std::vector<std::pair<fs::path, std::string>> files;
    std::size_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) {
            files.emplace_back(entry.path(), Read(entry.path()));
            bytes += files.back().second.size();
        }

    auto start = Clock::now();
    for (int i = 0; i < iterations; ++i) generate();
    double generated = Seconds(Clock::now() - start) / iterations;

    start = Clock::now();
    for (int i = 0; i < iterations; ++i)
        for (const auto& [path, text] : files) {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
        }
    double plain = Seconds(Clock::now() - start) / iterations;

    std::printf("%s: %zu files, %zu bytes\n", what, files.size(), bytes);
    std::printf("generate:         %8.3f ms per run (%d runs)\n", generated * 1e3, iterations);
    std::printf("plain file writes:%8.3f ms for the same bytes\n", plain * 1e3);
    std::printf("ratio:            %8.1f\n\n", generated / plain);
    fs::remove_all(folder);
    return true;
}

// Plimmet's batch as its form runs it from the defaults: the HSMC pass from "None", then the
// GPIO pass without an HSMC card, each project in a folder of its own.
bool PlimmetBatch(const fs::path& folder)
{
    TConfigBase<PLIMMET_CONFIG> hsmc, gpio;
    hsmc.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    gpio.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    auto project = [&](const char* format, uint8_t gpioCard, uint8_t hsmcCard, uint8_t named) {
        PLIMMET_CONFIG record = DefaultPlimmetConfig();
        record.nGpioDaughterId = gpioCard;
        record.nHsmcDaughterId = hsmcCard;
        const std::string name = BatchProjectName(format, BoardShortName(named));
        fs::create_directories(folder / name);
        return GeneratePlimmetProject(record, (folder / name / (name + ".qpf")).string());
    };
    for (int i = 0; i < hsmc.DaughterCount; ++i)
        if (!project("Plimmet_HSMC_%s", 0, hsmc.DaughterIds[i], hsmc.DaughterIds[i])) return false;
    for (int i = 1; i < gpio.DaughterCount; ++i)
        if (!project("Plimmet_GPIO_%s", gpio.DaughterIds[i], 0, gpio.DaughterIds[i])) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    platform::IgnoreFileSizeSignal();  // as the program starts
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 200;
    const fs::path base = fs::temp_directory_path() / "pinwright-bench";

    TConfigUlvarin settings;
    const fs::path ulvarin = base / "ulvarin";
    auto largest = [&] {
        settings.Config = TConfigUlvarin::DefaultConfig();
        settings.Config.bHps = 1;
        settings.Config.nGpioDaughterId[0] = DAUGHTER_GPIO_DEFAULT;
        settings.Config.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
        return GenerateUlvarinProject(settings, (ulvarin / "Ulvarin.qpf").string());
    };
    bool ok = Measure("largest Ulvarin project", ulvarin, largest, iterations);

    const fs::path plimmet = base / "plimmet";
    ok = Measure("Plimmet batch, both passes", plimmet, [&] { return PlimmetBatch(plimmet); },
                 iterations / 20 > 0 ? iterations / 20 : 1) && ok;
    fs::remove_all(base);
    return ok ? 0 : 1;
}
