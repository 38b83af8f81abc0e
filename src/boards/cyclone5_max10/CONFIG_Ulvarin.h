#pragma once
#include "boards/cyclone5_max10/ConfigUlvarin.h"
#include "core/model/MainBoard.h"

// Fills an empty board with Ulvarin's device, the ticked groups and the expansion connectors
// that have a card chosen; keeps the settings object in m_pConfigBoard.
void BuildMainBoard_Ulvarin(TMainBoard* board, TConfigUlvarin* settings);

// What the Ulvarin form's Generate does after the dialogs, without controls: the definition,
// the chosen cards attached as the form attaches them, and the project written. The record
// is taken as it stands (the form has written BoardId and Size into it).
bool GenerateUlvarinProject(TConfigUlvarin& settings, const std::string& projectFile);
