#include "core/model/MainBoard.h"

#include <strings.h>

#include "cards/DaughterBoardInfo.h"
#include "core/model/DaughterBoard.h"
#include "platform/Errors.h"

bool IsSupportedBoard(int id) { return id == MAINBOARD_Ulvarin; }

TMainBoard::TMainBoard() = default;

TMainBoard::~TMainBoard() { ClearConnectors(); }

void TMainBoard::AddConnector(TConnector* connector) { m_ConnectorList.emplace_back(connector); }

void TMainBoard::ClearConnectors() { m_ConnectorList.clear(); }

TConnector* TMainBoard::GetConnector(int index) const
{
    PW_CHECK(index >= 0 && index < GetConnectorCount());
    return m_ConnectorList[static_cast<std::size_t>(index)].get();
}

TConnector* TMainBoard::FindExpansionConnector(int32_t number) const
{
    for (const auto& c : m_ConnectorList)
        if (c->IsExpansion() == 1 && c->GetExpansionId() == number) return c.get();
    return nullptr;
}

bool TMainBoard::IsLocationUsed(const std::string& location) const
{
    for (const auto& c : m_ConnectorList)
        for (int i = 0; i < c->GetPinCount(); ++i) {
            const TPin* pin = c->GetPin(i);
            if (pin && pin->IsActive() && ::strcasecmp(pin->GetLocation().c_str(), location.c_str()) == 0)
                return true;
        }
    return false;
}

TPin* TMainBoard::GetHsmcPin(int n, int pinIndex) const
{
    int seen = 0;
    for (const auto& c : m_ConnectorList) {
        if (c->GetType() != CONNECTOR_HSMC) continue;
        if (seen++ < n) continue;
        PW_CHECK(pinIndex >= 1 && pinIndex <= c->GetPinCount());
        if (TPin* pin = c->GetPin(pinIndex - 1)) return pin;
    }
    return nullptr;
}

void TMainBoard::SortConnectorPins()
{
    for (const auto& c : m_ConnectorList) {
        bool sort;
        if (c->GetDaughterBoardId() != -1) sort = BoardSortsPins(c->GetDaughterBoardId());
        else sort = c->GetType() != CONNECTOR_FMC_HPC && c->GetType() != CONNECTOR_FMC_LPC;
        if (sort) c->SortPins();
    }
}

namespace {

template <typename BuildStep>
void AttachTo(const TMainBoard& board, int32_t connectorId, const std::string& prefix, BuildStep build)
{
    TConnector* pMasterConn = board.FindExpansionConnector(connectorId);
    PW_CHECK(pMasterConn);
    TDaughterBoard daughter;
    build(daughter);
    bool copied = daughter.UpdateMasterConnector(pMasterConn, prefix);
    PW_CHECK(copied);
}

}  // namespace

void AttachCard(const TMainBoard& board, int32_t connectorId, uint8_t cardId, const std::string& prefix,
                std::initializer_list<uint8_t> acceptedTypes, int32_t variant, uint8_t ioStandard,
                const char* baseName, std::optional<int> cardBoardId)
{
    uint8_t type = BoardConnectorType(cardId);
    bool accepted = false;
    for (uint8_t t : acceptedTypes) accepted = accepted || t == type;
    PW_CHECK(accepted);
    AttachTo(board, connectorId, prefix, [&](TDaughterBoard& d) {
        d.Build(cardId, cardBoardId.value_or(board.GetBoardIdInt()), variant, ioStandard, baseName);
    });
}

void TMainBoard::AttachHsmcCard(int32_t connectorId, uint8_t cardId, const std::string& prefix, uint8_t ioStandard)
{
    AttachCard(*this, connectorId, cardId, prefix, {CONNECTOR_HSMC}, 0, ioStandard, nullptr);
}

void TMainBoard::AttachFmcCard(int32_t connectorId, uint8_t cardId, const std::string& prefix)
{
    AttachCard(*this, connectorId, cardId, prefix, {CONNECTOR_FMC_HPC, CONNECTOR_FMC_LPC}, 0, 8, nullptr);
}

void TMainBoard::AttachGpioCard(int32_t connectorId, uint8_t cardId, const std::string& prefix,
                                const std::string& baseName, uint8_t ioStandard)
{
    AttachCard(*this, connectorId, cardId, prefix, {CONNECTOR_GPIO40, CONNECTOR_GPIO80}, 0, ioStandard,
               baseName.c_str());
}

void TMainBoard::AttachDdr3SodimmStratixV(int32_t connectorId, const std::string& prefix, uint8_t diffDqs,
                                          uint8_t sidebandStd, uint8_t saStd)
{
    AttachTo(*this, connectorId, prefix,
             [&](TDaughterBoard& d) { d.BuildDdr3SodimmStratixV(diffDqs, sidebandStd, saStd); });
}

void TMainBoard::AttachDdr3SodimmArria10(int32_t connectorId, const std::string& prefix, uint8_t diffDqs,
                                         uint8_t sidebandStd, uint8_t saStd)
{
    AttachTo(*this, connectorId, prefix,
             [&](TDaughterBoard& d) { d.BuildDdr3SodimmArria10(diffDqs, sidebandStd, saStd); });
}

void TMainBoard::AttachDdr4Sodimm(int32_t connectorId, const std::string& prefix, uint8_t ignored,
                                  uint8_t sidebandStd, uint8_t saStd, uint8_t ecc)
{
    AttachTo(*this, connectorId, prefix,
             [&](TDaughterBoard& d) { d.BuildDdr4Sodimm(ignored, sidebandStd, saStd, ecc); });
}

void AttachMemoryModule(const TMainBoard& board, int32_t connectorId, const std::string& prefix,
                        MemoryModuleKind kind, uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
{
    AttachTo(board, connectorId, prefix, [&](TDaughterBoard& d) {
        switch (kind) {
        case MemoryModuleKind::Ddr2: d.BuildDdr2Sodimm(diffDqs, sidebandStd, saStd); break;
        case MemoryModuleKind::Ddr3StratixIV: d.BuildDdr3SodimmStratixIV(diffDqs, sidebandStd, saStd); break;
        case MemoryModuleKind::Ddr3StratixV: d.BuildDdr3SodimmStratixV(diffDqs, sidebandStd, saStd); break;
        }
    });
}
