#pragma once
#include <string>

#include "boards/arria10/ConfigNobrecht.h"
#include "core/model/MainBoard.h"

// Fills an empty board with Nobrecht's device and the ticked groups, the DDR3 sockets as
// expansion connectors 24 and 25; keeps the settings object in m_pConfigBoard. A Si5340 in
// use brings in the clock, reset and start inputs of its controller.
void BuildMainBoard_Nobrecht(TMainBoard* board, TConfigNobrecht* settings);

// The definition with the DDR3 module attached to each ticked socket, as the form does.
void BuildNobrechtProjectBoard(TMainBoard& board, TConfigNobrecht& settings);

// What the Nobrecht form's Generate does after its dialogs, without controls: the board as
// above, then the project written. The record is taken as it stands (the form has written
// BoardId and Size into it).
bool GenerateNobrechtProject(TConfigNobrecht& settings, const std::string& projectFile);
