#pragma once
#include "boards/arria10/ConfigIdrenne.h"
#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

#include <string>
#include <vector>

// Fills an empty board with Idrenne's device, the ticked groups, and the DDR4 socket and the
// FMC connector where a card is chosen for them; keeps the settings object in m_pConfigBoard.
void BuildMainBoard_Idrenne(TMainBoard* board, TConfigIdrenne* settings);

// The definition and the chosen cards attached as the form attaches them: the socket's
// module under "DDR4A_" when its prefix is empty (the record keeps the empty text), and
// "FMC_" put into the record's FMC prefix for the two VITA cards without one. A socket card
// without a pin map is left unattached.
void BuildIdrenneProjectBoard(TMainBoard& board, TConfigIdrenne& settings);

// The record's cards and the lists the form offers them from (the FMC list by the voltage); the
// socket's QDR modules are listed but have no pin map.
std::vector<CardChoice> IdrenneCardChoices(const IDRENNE_CONFIG& config);

// What the Idrenne form's Generate does after its dialogs, without controls: the board as
// above, then the project written. The record is taken as it stands (the form has written
// BoardId and Size into it).
bool GenerateIdrenneProject(TConfigIdrenne& settings, const std::string& projectFile);
