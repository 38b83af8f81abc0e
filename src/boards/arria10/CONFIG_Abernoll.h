#pragma once
#include <string>

#include "boards/arria10/ConfigAbernoll.h"
#include "core/model/MainBoard.h"

// Fills an empty board with Abernoll's device and the ticked groups; keeps the settings object
// in m_pConfigBoard. A Si5340 in use brings in the whole CLOCK and KEY groups, which hold its
// controller's clock, reset and start.
void BuildMainBoard_Abernoll(TMainBoard* board, TConfigAbernoll* settings);

// The board has no expansion connectors: the project board is the definition.
void BuildAbernollProjectBoard(TMainBoard& board, TConfigAbernoll& settings);

// What the Abernoll form's Generate does after its dialogs, without controls.
bool GenerateAbernollProject(TConfigAbernoll& settings, const std::string& projectFile);
