#include "core/settings/ConfigShared.h"

#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"
#include "core/settings/ProjectName.h"
#include "core/settings/RecordText.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"

namespace configshared {
namespace {

constexpr uint8_t kLastListedCard = 80;  // cards above come only from the forms themselves

// The HSMC cards that fit a Kelpin connector through its position map.
bool FitsKelpin(uint8_t card)
{
    return card == DAUGHTER_Cobrel || card == DAUGHTER_Wyrsel || card == DAUGHTER_Fobbin ||
           card == DAUGHTER_Sendle || card == DAUGHTER_Dortle || card == DAUGHTER_Hobbard;
}

bool Fits(uint8_t card, uint8_t type, uint8_t voltageClass, bool fmcVoltageRule)
{
    uint8_t cardType = BoardConnectorType(card);
    bool fmc = (cardType == type && (type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC)) ||
               (type == CONNECTOR_FMC_HPC && cardType == CONNECTOR_FMC_LPC);
    if (fmc) return !fmcVoltageRule || BoardFitsVoltage(card, voltageClass);
    if (cardType == type)
        return type != CONNECTOR_HSMC || BoardFitsAnyVoltage(card, voltageClass) ||
               BoardVoltageClass(card) == voltageClass;
    if (type == CONNECTOR_GPIO80 && cardType == CONNECTOR_GPIO40) return true;
    return type == CONNECTOR_Kelpin && cardType == CONNECTOR_HSMC && FitsKelpin(card);
}

}  // namespace

int32_t BuildDaughterList(uint8_t (&ids)[256], uint8_t connectorType, bool transceiversAllowed,
                          uint8_t voltageClass, bool fmcVoltageRule)
{
    int32_t count = 0;
    ids[count++] = DAUGHTER_NONE;
    for (uint8_t card = 1; card <= kLastListedCard; ++card) {
        if (!Fits(card, connectorType, voltageClass, fmcVoltageRule)) continue;
        if (BoardIsListed(card) && (!BoardNeedsTransceiver(card) || transceiversAllowed)) ids[count++] = card;
    }
    return count;
}

uint8_t ListedCardOrNone(int32_t stored, uint8_t connectorType, bool transceiversAllowed, uint8_t voltageClass)
{
    uint8_t ids[256] = {};
    const int32_t count = BuildDaughterList(ids, connectorType, transceiversAllowed, voltageClass, false);
    for (int32_t i = 1; i < count; ++i)
        if (ids[i] == stored) return ids[i];
    return DAUGHTER_NONE;
}

std::optional<std::string> AskSettingsFile(bool save, std::string& lastDir)
{
    // Both cases of the extension, since Linux file names are case sensitive.
    platform::FileDialogOptions options{lastDir, "Board Configuration Files (*.cfg *.CFG)", "", "cfg",
                                        save ? "Save Setting" : "Load Setting"};
    std::optional<std::string> path =
        save ? platform::GetDialogs().SaveFile(options) : platform::GetDialogs().OpenFile(options);
    if (path) lastDir = platform::ExtractFilePath(*path);
    return path;
}

std::string SelectProjectFile(const std::string& boardWord, const std::string& projectName)
{
    // The forms check the name first; this keeps any caller from making a folder of it.
    if (!CheckProjectFolderName(projectName)) return {};
    // The name is Latin-1 record text; the file system takes UTF-8, so the folder is named
    // with the UTF-8 form of the name. The dialog gets the Latin-1 text, as all its texts.
    std::string folder = platform::ExeDir() + "CodeGenerated/" + boardWord + "/" + Latin1ToUtf8(projectName) + "/";
    if (!platform::DirectoryExists(folder)) platform::ForceDirectories(folder);
    platform::FileDialogOptions options{folder, "Quartus Project File (*.qpf *.QPF)", projectName + ".qpf", "qpf",
                                        "Generate Quartus Project"};
    return platform::GetDialogs().SaveFile(options).value_or(std::string());
}

}  // namespace configshared
