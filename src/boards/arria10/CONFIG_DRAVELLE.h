#pragma once
#include <string>

#include "boards/arria10/ConfigDravelle.h"
#include "core/model/MainBoard.h"

// Fills an empty board with Dravelle's device and the ticked groups, the DDR4 sockets as
// expansion connectors 27 and 28; keeps the settings object in m_pConfigBoard. A Si5340 in
// use brings in the clock, reset and start inputs of its controller, as on Nobrecht.
void BuildMainBoard_Dravelle(TMainBoard* board, TConfigDravelle* settings);

// The definition with the DDR4 module attached to each ticked socket, as the form does.
void BuildDravelleProjectBoard(TMainBoard& board, TConfigDravelle& settings);

// What the Dravelle form's Generate does after its dialogs, without controls.
bool GenerateDravelleProject(TConfigDravelle& settings, const std::string& projectFile);
