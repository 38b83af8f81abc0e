#pragma once
// What both settings holders (the TConfigBase template and TConfigBoard) share: the card
// list of one combo box, the settings-file dialogs and the project-file dialog.
#include <cstdint>
#include <optional>
#include <string>

namespace configshared {

// Rebuilds `ids` for a connector of that type: 0 first, then every listed card 1 to 80 that
// fits, in id order. The FMC voltage rule is that of the settings classes only.
int32_t BuildDaughterList(uint8_t (&ids)[256], uint8_t connectorType, bool transceiversAllowed,
                          uint8_t voltageClass, bool fmcVoltageRule);

// The card a stored id stands for on a combo that shows that list (no FMC voltage rule): an
// id the list does not hold, whatever its low byte, is none.
uint8_t ListedCardOrNone(int32_t stored, uint8_t connectorType, bool transceiversAllowed, uint8_t voltageClass);

// Runs the open or save dialog for a settings file, starting in `lastDir`; on OK `lastDir`
// becomes the chosen file's folder (before the file is touched) and the path is returned.
std::optional<std::string> AskSettingsFile(bool save, std::string& lastDir);

// Creates "CodeGenerated/<boardWord>/<projectName>/" in the executable's folder and runs the
// project-file dialog there; the chosen file, or empty text on Cancel or an invalid name.
std::string SelectProjectFile(const std::string& boardWord, const std::string& projectName);

}  // namespace configshared
