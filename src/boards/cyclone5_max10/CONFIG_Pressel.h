#pragma once
// Pressel: its definition and the headless pair its form's Generate runs. The record lives in
// the settings class (ConfigPressel.h).
#include <string>
#include <vector>

#include "boards/cyclone5_max10/ConfigPressel.h"
#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

// Fills an empty board with Pressel's device, the ticked groups and the GPIO header when it
// has a card chosen; keeps the settings object in m_pConfigBoard.
void BuildMainBoard_Pressel(TMainBoard* board, TConfigPressel* settings);

// The definition with the header's card attached as the form attaches it.
void BuildPresselProjectBoard(TMainBoard& board, TConfigPressel& settings);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> PresselCardChoices(const PRESSEL_CONFIG& config);

// What the Pressel form's Generate does after its dialogs: the board as above, written as a
// Verilog project. The record is taken as it stands (the form has set Size and BoardId).
bool GeneratePresselProject(TConfigPressel& settings, const std::string& projectFile);
