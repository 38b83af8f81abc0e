#include "core/model/KelpinPorts.h"

#include "cards/DaughterBoardInfo.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/ConfigShared.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

constexpr int kKelpinPositions = 180;
constexpr uint8_t kKelpinCardStd = 8;  // "3.3-V LVTTL"

}  // namespace

void AddKelpinPort(TMainBoard& board, const KelpinPort& port, int32_t card)
{
    if (card <= 0) return;
    PW_CHECK(port.locations.size() == kKelpinPositions);
    const uint8_t shown = static_cast<uint8_t>(card & 0xFF);
    AddExpansionConnector(board, port.name, platform::Format(port.description, BoardName(shown).c_str()),
                          CONNECTOR_Kelpin, port.expansionId, port.locations);
}

void AttachKelpinCard(TMainBoard& board, const KelpinPort& port, uint8_t card, const std::string& prefix)
{
    if (card == DAUGHTER_NONE) return;
    TConfigBaseAttach::AttachHsmcOrKelpinCard(&board, port.expansionId, card, prefix, "", kKelpinCardStd, 0);
}

uint8_t ListedKelpinCard(int32_t stored)
{
    // The voltage class plays no part for Kelpin connectors.
    return configshared::ListedCardOrNone(stored, CONNECTOR_Kelpin, false, VOLTAGE_2V5);
}
