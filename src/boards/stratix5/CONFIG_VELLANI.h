#pragma once
#include <string>
#include <vector>

#include "boards/stratix5/ConfigVellani.h"
#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

// Fills an empty board with Vellani's device, the ticked groups, the clock-chip reference
// clocks of the record's choices and the expansion connectors that carry a card or the DDR3
// module; keeps the settings object in m_pConfigBoard for the writers.
void BuildMainBoard_Vellani(TMainBoard* board, TConfigVellani* settings);

// The definition, then the chosen cards and the DDR3 module attached as the form attaches
// them (the module under "DDR3_"). A board type outside the list becomes the first in the
// record, as the form shows it.
void BuildVellaniProjectBoard(TMainBoard& board, TConfigVellani& settings);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> VellaniCardChoices(const VELLANI_CONFIG& config);

// What the Vellani form's Generate does after its dialogs, without controls: the board as
// above, then the Verilog project written. The record is taken as it stands (the form has
// written BoardId and Size into it).
bool GenerateVellaniProject(TConfigVellani& settings, const std::string& projectFile);
