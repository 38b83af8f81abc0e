#pragma once
// A card being attached: filled from the card's pin map, copied onto a board connector,
// then deleted.
#include <cstdint>
#include <string>

#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"

// The shared map arguments Build derives from the main-board id.
struct TCardPresets {
    uint8_t IoStd;           // the caller's default standard unless the board fixes one
    uint8_t XcvrStd;         // transceiver lanes
    uint8_t HsmcStd;         // HSMC management pins
    uint8_t bComputedNames;  // D_HSMC_LVDS_DEFAULT
    uint8_t bSingleBus;      // D_GPIO_DEFAULT
    uint8_t bUpperCase;      // D_HSMC_DEFAULT
};

TCardPresets CardPresets(int mainBoardId, uint8_t defaultIoStandard);

class TDaughterBoard : public TConnector {
public:
    TDaughterBoard();
    ~TDaughterBoard();

    // Fills the card with the pin map of `cardId` for the main board. A card without a map
    // gets one empty entry per position of its connector type, so it switches the board
    // connector's pins off instead of failing.
    void Build(uint8_t cardId, int mainBoardId, int32_t variant, uint8_t defaultIoStandard,
               const char* baseName = nullptr);

    void BuildDdr2Sodimm(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd);
    void BuildDdr3SodimmStratixIV(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd);
    void BuildDdr3SodimmStratixV(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd);
    void BuildDdr3SodimmArria10(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd);
    void BuildDdr4Sodimm(uint8_t ignored, uint8_t sidebandStd, uint8_t saStd, uint8_t ecc);

    // Copies the card onto the board connector under the prefix; false (nothing copied) for
    // a pair of connector types that does not fit. Board pins past the card's positions drop
    // out where they are placeholders and keep their own data otherwise.
    bool UpdateMasterConnector(TConnector* pMasterConn, const std::string& pPrefixName) const;

private:
    void SetFromCatalogue(uint8_t cardId);
    template <typename Map>
    void BuildModule(uint8_t cardId, uint8_t type, Map map);
};
