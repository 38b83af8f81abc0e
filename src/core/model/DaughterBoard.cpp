#include "core/model/DaughterBoard.h"

#include "cards/CardMaps.h"
#include "core/model/MainBoard.h"
#include "platform/Errors.h"

TCardPresets CardPresets(int m, uint8_t defaultIoStandard)
{
    TCardPresets p{};
    p.IoStd = defaultIoStandard;
    if (m == MAINBOARD_Yastrel_X2 || m == MAINBOARD_Yastrel_X1 || m == MAINBOARD_Corbanth || m == MAINBOARD_Pandrel)
        p.IoStd = 39;  // 3.0-V PCI-X
    else if (m == MAINBOARD_Vellani)
        p.IoStd = 6;  // 2.5 V
    else if (m == MAINBOARD_Idrenne)
        p.IoStd = 3;  // 1.8 V

    p.XcvrStd = 36;  // 1.5-V PCML
    if (m == MAINBOARD_Yastrel_X2 || m == MAINBOARD_Yastrel_X1 || m == MAINBOARD_Pandrel)
        p.XcvrStd = 35;  // 1.4-V PCML
    else if (m == MAINBOARD_Idrenne)
        p.XcvrStd = 52;  // HSSI Differential I/O

    p.HsmcStd = m == MAINBOARD_Yastrel_X1 ? 3 : 6;
    p.bComputedNames = (m == MAINBOARD_Yastrel_X1 || m == MAINBOARD_Pandrel) ? 1 : 0;
    p.bSingleBus = (m == MAINBOARD_Harnix || m == MAINBOARD_Fennick || m == MAINBOARD_Pellish ||
                    m == MAINBOARD_Orlenn) ? 0 : 1;
    p.bUpperCase = (m == MAINBOARD_Kavrin || m == MAINBOARD_Gorvath || m == MAINBOARD_Ashvorn ||
                    m == MAINBOARD_Jorvale || m == MAINBOARD_Plimmet || m == MAINBOARD_Ulvarin) ? 1 : 0;
    return p;
}

TDaughterBoard::TDaughterBoard() : TConnector("", "", CONNECTOR_NONE, -1) {}

TDaughterBoard::~TDaughterBoard() { ClearPins(); }

void TDaughterBoard::SetFromCatalogue(uint8_t cardId)
{
    SetName(BoardName(cardId));
    SetDescription(BoardDescription(cardId));
    SetType(BoardConnectorType(cardId));
}

void TDaughterBoard::Build(uint8_t cardId, int mainBoardId, int32_t variant, uint8_t defaultIoStandard,
                           const char* baseName)
{
    const TCardPresets p = CardPresets(mainBoardId, defaultIoStandard);
    const uint8_t quilletBoard = static_cast<uint8_t>(mainBoardId);
    ClearPins();
    switch (cardId) {
    case DAUGHTER_GPIO_DEFAULT:
        if (baseName && *baseName) D_GPIO_DEFAULT_NAMED(this, baseName, p.IoStd);
        else if (mainBoardId == MAINBOARD_Ruskel) D_GPIO_DEFAULT_Ruskel(this);
        else D_GPIO_DEFAULT(this, p.bSingleBus, p.IoStd);
        break;
    case DAUGHTER_HSMC_DEFAULT: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 6, 0, p.bUpperCase); break;
    case DAUGHTER_HSMC_DEFAULT_XCVR: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 6, 1, 0); break;
    case DAUGHTER_HSMC_LVDS_DEFAULT: D_HSMC_LVDS_DEFAULT(this, p.bComputedNames, p.XcvrStd, 21, 6); break;
    case DAUGHTER_Cobrel:
        D_HSMC_Cobrel(this, p.HsmcStd);
        PW_CHECK(GetActivePinCount() == 77);  // the DVI table's pin count
        break;
    case DAUGHTER_Wyrsel: D_HSMC_Wyrsel(this, p.HsmcStd); break;
    case DAUGHTER_Fobbin: D_HSMC_Fobbin(this, p.HsmcStd); break;
    case DAUGHTER_Kobbet_HSMC: D_HSMC_Kobbet(this, p.HsmcStd); break;
    case DAUGHTER_Kobbet_GPIO: D_GPIO80_Kobbet(this, p.IoStd); break;
    case DAUGHTER_Sollip: D_GPIO_Sollip(this, p.IoStd); break;
    case DAUGHTER_Garvet: D_GPIO_Garvet(this, p.IoStd); break;
    case DAUGHTER_Nuppel: D_HSMC_Nuppel(this, p.HsmcStd); break;
    case DAUGHTER_Kelpin_Brasket: D_Kelpin_Brasket(this); break;
    case DAUGHTER_Quillet_Kelpin: D_Kelpin_Quillet(this); break;
    case DAUGHTER_Quillet_HSMC: D_HSMC_Quillet(this, p.IoStd, quilletBoard); break;
    case DAUGHTER_HSMC_DEBUG: D_HSMC_DEBUG(this, mainBoardId); break;
    case DAUGHTER_HSMC_LOOPBACK: D_HSMC_LOOPBACK(this, 0, p.XcvrStd); break;
    case DAUGHTER_Kelpin_LOOPBACK: D_Kelpin_LOOPBACK(this); break;
    case DAUGHTER_Sendle: D_HSMC_Sendle(this, p.XcvrStd); break;
    case DAUGHTER_Dortle: D_HSMC_Dortle(this, 35); break;
    case DAUGHTER_Hobbard: D_HSMC_Hobbard(this, p.XcvrStd, p.HsmcStd); break;
    case DAUGHTER_Tennel_FIFO: D_GPIO_Tennel_FIFO(this, 8); break;
    case DAUGHTER_Tennel_NATIVE: D_GPIO_Tennel_NATIVE(this, 8); break;
    case DAUGHTER_Vossil: D_HSMC_Vossil(this, p.XcvrStd); break;
    case DAUGHTER_Lorrat: D_HSMC_Lorrat(this, p.HsmcStd); break;
    case DAUGHTER_Pemmit: D_HSMC_Pemmit(this, 6); break;
    case DAUGHTER_Wobrin: D_HSMC_Wobrin(this); break;
    case DAUGHTER_Jundle: D_GPIO_Jundle(this, 8); break;
    case DAUGHTER_Brasket_TX: D_HSMC_Brasket_TX(this, p.HsmcStd); break;
    case DAUGHTER_Brasket_RX: D_HSMC_Brasket_RX(this, p.HsmcStd); break;
    case DAUGHTER_Tranmer: D_HSMC_Tranmer(this); break;
    case DAUGHTER_Ostrum: D_GPIO_Ostrum(this); break;
    case DAUGHTER_Yellip: D_HSMC_Yellip(this); break;
    case DAUGHTER_Hasket: D_HSMC_Hasket(this); break;
    case DAUGHTER_HSMC_LOOPBACK_XCVR: D_HSMC_LOOPBACK(this, 1, p.XcvrStd); break;
    case DAUGHTER_FMC_HPC_VITA:
        if (mainBoardId == MAINBOARD_Vellani) D_FMC_HPC_VITA(this, 1, p.IoStd, p.XcvrStd, 0);
        else D_FMC_HPC_VITA_ARRAY(this, 1, p.IoStd, p.XcvrStd, 0);
        break;
    case DAUGHTER_FMC_LPC_VITA: D_FMC_LPC_VITA(this, 1, p.IoStd, p.XcvrStd); break;
    case DAUGHTER_FMC_HPC_ALTERA: D_FMC_HPC_ALTERA(this, 0, 6, 1); break;
    case DAUGHTER_FMC_HPC_ALTERA_XCVR: D_FMC_HPC_ALTERA(this, 1, 6, 1); break;
    case DAUGHTER_FMC_HPC_ALTERA_Varnholt: D_FMC_HPC_ALTERA_Varnholt(this, 0, 6, 1); break;
    case DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt: D_FMC_HPC_ALTERA_Varnholt(this, 1, 6, 1); break;
    case DAUGHTER_FMC_LPC_ALTERA: D_FMC_LPC_ALTERA(this, 0, 6, 1); break;
    case DAUGHTER_FMC_LPC_ALTERA_XCVR: D_FMC_LPC_ALTERA(this, 1, 6, 1); break;
    case DAUGHTER_FMC_Vossil: D_FMC_Vossil(this); break;
    case DAUGHTER_FMC_Dortle: D_FMC_Dortle(this); break;
    case DAUGHTER_FMC_Brasket: D_FMC_Brasket(this); break;
    case DAUGHTER_FMC_Pashard_FOR_TI: D_FMC_Pashard_FOR_TI(this); break;
    case DAUGHTER_FMC_TI_ADC34J45: D_FMC_TI_ADC34J45(this, 1); break;
    case DAUGHTER_FMC_Wyrsel: D_FMC_Wyrsel(this); break;
    case DAUGHTER_FMC_Parnish: D_FMC_Parnish(this); break;
    case DAUGHTER_Corvish: D_GPIO_Corvish(this, p.IoStd); break;
    case DAUGHTER_Gantrel: D_HSMC_Gantrel(this, p.HsmcStd); break;
    case DAUGHTER_Quillet_Sollip_J2: D_HSMC_Quillet_Sollip(this, 1, 0, p.IoStd, quilletBoard); break;
    case DAUGHTER_Quillet_Sollip_J3: D_HSMC_Quillet_Sollip(this, 0, 1, p.IoStd, quilletBoard); break;
    case DAUGHTER_Quillet_Sollip_BOTH: D_HSMC_Quillet_Sollip(this, 1, 1, p.IoStd, quilletBoard); break;
    case DAUGHTER_Bellock: D_HSMC_Bellock(this); break;
    case DAUGHTER_Fermock: D_HSMC_Fermock(this, p.HsmcStd); break;
    case DAUGHTER_Pelvin: D_GPIO_Pelvin(this); break;
    case DAUGHTER_Ravesh: D_GPIO_Ravesh(this, p.IoStd); break;
    case DAUGHTER_Rudgel: D_GPIO_Rudgel(this); break;
    case DAUGHTER_TILVARD: D_GPIO_TILVARD(this); break;
    case DAUGHTER_Tesvik: D_GPIO_Tesvik(this); break;
    case DAUGHTER_Omblin: D_GPIO_Omblin(this); break;
    case DAUGHTER_ARDUINO_DIGITAL: D_GPIO_ARDUINO(this); break;
    case DAUGHTER_Ombrel_DEFAULT: D_Ombrel_DEFAULT(this); break;
    case DAUGHTER_Ombrel_Velket: D_Ombrel_Velket(this); break;
    case DAUGHTER_Ferrund_GPIO: D_GPIO_Ferrund(this, p.IoStd); break;
    case DAUGHTER_Ferrund_FMC: D_FMC_Ferrund(this); break;
    case DAUGHTER_GPIO_DEFAULT_2V5: D_GPIO_DEFAULT(this, p.bSingleBus, 6); break;
    case DAUGHTER_GPIO_DEFAULT_1V8: D_GPIO_DEFAULT(this, p.bSingleBus, 3); break;
    case DAUGHTER_GPIO_DEFAULT_1V5: D_GPIO_DEFAULT(this, p.bSingleBus, 0); break;
    case DAUGHTER_HSMC_DEFAULT_3V3: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 8, 0, p.bUpperCase); break;
    case DAUGHTER_HSMC_DEFAULT_1V8: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 3, 0, p.bUpperCase); break;
    case DAUGHTER_HSMC_DEFAULT_1V5: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 0, 0, p.bUpperCase); break;
    case DAUGHTER_HSMC_DEFAULT_XCVR_3V3: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 8, 1, 0); break;
    case DAUGHTER_HSMC_DEFAULT_XCVR_3V0: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 39, 1, 0); break;
    case DAUGHTER_HSMC_DEFAULT_XCVR_1V8: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 3, 1, 0); break;
    case DAUGHTER_HSMC_DEFAULT_XCVR_1V5: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 0, 1, 0); break;
    case DAUGHTER_HSMC_DEFAULT_3V0: D_HSMC_DEFAULT(this, mainBoardId, variant, p.XcvrStd, 39, 0, p.bUpperCase); break;
    default:
        // No map (card 5, the memory modules, picture-only ids, unknown bytes): one empty
        // entry per position of the card's connector type.
        for (int i = ConnectorPositionCount(BoardConnectorType(cardId)); i > 0; --i) AddPin(nullptr);
        break;
    }
    SetFromCatalogue(cardId);
}

// A memory module: the catalogue's name and description, the map with the operation's own
// arguments, then the type.
template <typename Map>
void TDaughterBoard::BuildModule(uint8_t cardId, uint8_t type, Map map)
{
    ClearPins();
    SetName(BoardName(cardId));
    SetDescription(BoardDescription(cardId));
    map();
    SetType(type);
}

void TDaughterBoard::BuildDdr2Sodimm(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
{
    BuildModule(DAUGHTER_DDR2_SODIMM, CONNECTOR_DDR2_SODIMM, [&] { D_DDR2_SODIMM(this, diffDqs, sidebandStd, saStd); });
}

void TDaughterBoard::BuildDdr3SodimmStratixIV(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
{
    BuildModule(DAUGHTER_DDR3_SODIMM, CONNECTOR_DDR3_SODIMM,
                [&] { D_DDR3_SODIMM_STRATIX4(this, diffDqs, sidebandStd, saStd); });
}

void TDaughterBoard::BuildDdr3SodimmStratixV(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
{
    BuildModule(DAUGHTER_DDR3_SODIMM, CONNECTOR_DDR3_SODIMM,
                [&] { D_DDR3_SODIMM_STRATIX5(this, diffDqs, sidebandStd, saStd); });
}

void TDaughterBoard::BuildDdr3SodimmArria10(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
{
    BuildModule(DAUGHTER_DDR3_SODIMM, CONNECTOR_DDR3_SODIMM,
                [&] { D_DDR3_SODIMM_ARRIA10(this, diffDqs, sidebandStd, saStd); });
}

void TDaughterBoard::BuildDdr4Sodimm(uint8_t ignored, uint8_t sidebandStd, uint8_t saStd, uint8_t ecc)
{
    BuildModule(DAUGHTER_DDR4_SODIMM, CONNECTOR_DDR4_SODIMM,
                [&] { D_DDR4_SODIMM(this, ignored, sidebandStd, saStd, ecc); });
}

namespace {

// Board pin takes the card pin, keeping its location and, unless it leaves them to the card,
// its direction and standard.
void CopyCardPin(TPin& boardPin, const TPin& cardPin, const std::string& prefix)
{
    TPin copy = cardPin;
    copy.SetLocation(boardPin.GetLocation());
    if (!prefix.empty()) copy.SetName(prefix + cardPin.GetName());
    if (boardPin.GetDirection() != DIRECTION_FROM_DAUGHTER) copy.SetDirection(boardPin.GetDirection());
    if (boardPin.GetIoStandard() != IOSTD_FROM_DAUGHTER) copy.SetIoStandard(boardPin.GetIoStandard());
    boardPin = copy;
}

// A board entry that no card entry faces. A placeholder, which waits for the card's direction
// or standard, drops out: it could never be written. A pin with data of its own (a reference
// clock after the module's positions) is not the card's and stays as it is.
void LeaveUnfaced(TPin& boardPin)
{
    if (boardPin.GetDirection() == DIRECTION_FROM_DAUGHTER || boardPin.GetIoStandard() == IOSTD_FROM_DAUGHTER)
        boardPin.SetDirection(DIRECTION_NONE);
}

}  // namespace

bool TDaughterBoard::UpdateMasterConnector(TConnector* pMasterConn, const std::string& pPrefixName) const
{
    PW_CHECK(pMasterConn);
    const uint8_t cardType = GetType();
    const uint8_t boardType = pMasterConn->GetType();
    pMasterConn->SetDaughterType(cardType);

    if (cardType == boardType || (cardType == CONNECTOR_FMC_LPC && boardType == CONNECTOR_FMC_HPC)) {
        for (int j = 0; j < pMasterConn->GetPinCount(); ++j) {
            TPin* boardPin = pMasterConn->GetPin(j);
            if (!boardPin) continue;
            if (j >= GetPinCount()) LeaveUnfaced(*boardPin);
            else if (const TPin* cardPin = GetPin(j)) CopyCardPin(*boardPin, *cardPin, pPrefixName);
            else boardPin->SetDirection(DIRECTION_NONE);
        }
        return true;
    }
    if (cardType == CONNECTOR_HSMC && boardType == CONNECTOR_Kelpin) {
        for (int i = 0; i < pMasterConn->GetPinCount(); ++i) {
            TPin* boardPin = pMasterConn->GetPin(i);
            if (!boardPin) continue;
            const int k = KelpinToHsmcPin(i + 1) - 1;
            const TPin* cardPin = k >= 0 && k < GetPinCount() ? GetPin(k) : nullptr;
            if (i >= ConnectorPositionCount(CONNECTOR_Kelpin) || k >= GetPinCount()) LeaveUnfaced(*boardPin);
            else if (cardPin) CopyCardPin(*boardPin, *cardPin, pPrefixName);
            else boardPin->SetDirection(DIRECTION_NONE);
        }
        return true;
    }
    return false;
}
