#pragma once
// The settings holder the older board forms embed, one per card list: the record, the
// folder of the settings dialogs and the card list of one combo box.
#include <cstdint>
#include <iterator>
#include <string>

#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/ConfigShared.h"
#include "core/settings/RecordFile.h"
#include "platform/Environment.h"

template <SettingsRecord X>
class TConfigBase : public TConfigBaseAttach {
public:
    X Config{};
    std::string LastDir;  // ends in '/'
    int32_t DaughterCount = 0;
    uint8_t DaughterIds[256] = {};

    bool LoadFromFile(X& destination, const std::string& fileName) { return LoadRecord(fileName, destination); }
    bool SaveToFile(const X& source, const std::string& fileName) { return SaveRecord(fileName, source); }

    bool LoadDefault()
    {
        std::string path = DefaultConfigPath();
        return platform::FileExists(path) && LoadFromFile(Config, path);
    }
    bool SaveDefault() { return SaveToFile(Config, DefaultConfigPath()); }

    bool LoadWithDialog()
    {
        auto path = configshared::AskSettingsFile(false, LastDir);
        return path && LoadFromFile(Config, *path);
    }
    bool SaveWithDialog()
    {
        auto path = configshared::AskSettingsFile(true, LastDir);
        return path && SaveToFile(Config, *path);
    }

    void BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltageClass)
    {
        DaughterCount =
            configshared::BuildDaughterList(DaughterIds, connectorType, transceiversAllowed, voltageClass, false);
    }

    // A card the list's rule leaves out but the board offers, after the listed ones.
    void AppendDaughterId(uint8_t id)
    {
        if (DaughterCount >= 0 && DaughterCount < static_cast<int32_t>(std::size(DaughterIds)))
            DaughterIds[DaughterCount++] = id;
    }

    static std::string SelectProjectFile(const std::string& boardWord, const std::string& projectName)
    {
        return configshared::SelectProjectFile(boardWord, projectName);
    }
};
