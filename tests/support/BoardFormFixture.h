#pragma once
// The project files a form test reads after a Generate or a batch. GUI tests only; the form
// fixture itself is in FormFixture.h.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FormFixture.h"

// Every project file under a folder, sorted.
inline std::vector<std::string> ProjectFiles(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".qpf") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}
