#pragma once
#include "boards/cyclone5_max10/ConfigUlvarin.h"
#include "core/model/MainBoard.h"

// Fills an empty board with Ulvarin's device, the ticked groups and the expansion connectors
// that have a card chosen; keeps the settings object in m_pConfigBoard.
void BuildMainBoard_Ulvarin(TMainBoard* board, TConfigUlvarin* settings);
