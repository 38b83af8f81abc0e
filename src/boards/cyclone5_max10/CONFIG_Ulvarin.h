#pragma once
#include "boards/cyclone5_max10/ConfigUlvarin.h"
#include "core/model/MainBoard.h"

#include <string>
#include <vector>

#include "core/settings/CardChoice.h"

// Fills an empty board with Ulvarin's device, the ticked groups and the expansion connectors
// that have a card chosen; keeps the settings object in m_pConfigBoard.
void BuildMainBoard_Ulvarin(TMainBoard* board, TConfigUlvarin* settings);

// The definition and the chosen cards attached as the form attaches them ("HSMC_" goes into
// the record's HSMC prefix for a default card without one).
void BuildUlvarinProjectBoard(TMainBoard& board, TConfigUlvarin& settings);

// The record's cards and the lists the form offers them from (the HSMC list by the voltage):
// Generate refuses by name a card they do not offer.
std::vector<CardChoice> UlvarinCardChoices(const ULVARIN_CONFIG& config);

// What the Ulvarin form's Generate does after its dialogs, without controls: the board as
// above, then the project written. The record is taken as it stands (the form has written
// BoardId and Size into it).
bool GenerateUlvarinProject(TConfigUlvarin& settings, const std::string& projectFile);
