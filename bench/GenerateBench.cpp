// What a user waits for on Generate: the largest Ulvarin project (every group, HPS, a GPIO
// card and an HSMC card) written into a temporary folder, against writing the same bytes
// with plain file writes. Run by hand: build/bench/pinwright_bench [iterations]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/DaughterBoardInfo.h"

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

}  // namespace

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 200;
    fs::path folder = fs::temp_directory_path() / "pinwright-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string project = (folder / "Ulvarin.qpf").string();

    TConfigUlvarin settings;
    auto largest = [&] {
        settings.Config = TConfigUlvarin::DefaultConfig();
        settings.Config.bHps = 1;
        settings.Config.nGpioDaughterId[0] = DAUGHTER_GPIO_DEFAULT;
        settings.Config.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
    };

    largest();
    if (!GenerateUlvarinProject(settings, project)) {
        std::fprintf(stderr, "generation failed\n");
        return 1;
    }
    std::vector<std::pair<fs::path, std::string>> files;
    std::size_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) {
            files.emplace_back(entry.path(), Read(entry.path()));
            bytes += files.back().second.size();
        }

    auto start = Clock::now();
    for (int i = 0; i < iterations; ++i) {
        largest();
        GenerateUlvarinProject(settings, project);
    }
    double generate = Seconds(Clock::now() - start) / iterations;

    start = Clock::now();
    for (int i = 0; i < iterations; ++i)
        for (const auto& [path, text] : files) {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
        }
    double plain = Seconds(Clock::now() - start) / iterations;

    std::printf("largest Ulvarin project: %zu files, %zu bytes\n", files.size(), bytes);
    std::printf("generate:         %8.3f ms per project (%d projects)\n", generate * 1e3, iterations);
    std::printf("plain file writes:%8.3f ms for the same bytes\n", plain * 1e3);
    std::printf("ratio:            %8.1f\n", generate / plain);
    fs::remove_all(folder);
    return 0;
}
