#pragma once
// Idrenne's settings: the 420-byte record that is also the format of its .cfg files.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/settings/ConfigBoard.h"

class TConfigIdrenne : public TConfigBoard {
public:
    struct IDRENNE_CONFIG {
        uint8_t BoardId;
        uint8_t BoardVariant;  // never written by the form: a loaded value is saved back
        uint8_t Padding1[2];
        int32_t Size;
        char szProjectName[128];
        uint8_t nFileType;  // top-level file: 0 Verilog, 1 VHDL
        uint8_t bOSC;
        uint8_t bLED;
        uint8_t bSeg7;  // stored and outlined only: the board has no pin data for it
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bFan;
        uint8_t bTemperature;  // as bSeg7
        uint8_t bSDRAM;        // the on-board DDR4
        uint8_t bEthernet;
        uint8_t bSMA;
        uint8_t bSATA;
        uint8_t bPCIe;
        uint8_t bSDI;
        uint8_t bUSB;
        uint8_t bHDMI;
        uint8_t bSFP;
        uint8_t bDisplayPort;  // as bSeg7: the DisplayPort pins come with the USB group
        uint8_t bHPS;
        uint8_t nDDR4SocketDaughterId;
        char szDDR4SocketPrefixName[128];
        int32_t nFmcVol;  // 2 "1.8 V (Default)", 3 "1.5 V", 4 "1.2 V"
        uint8_t nFmcDaughterId;
        char szFmcPrefixName[128];
        uint8_t Padding2[3];
    };

    TConfigIdrenne();
    ~TConfigIdrenne() override;

    bool LoadFromFile(const std::string& fileName) override;
    bool SaveToFile(const std::string& fileName) override;
    std::string GetQsfSettings() override;
    std::string GetTopLevelCode() override;
    ExportResult ExportVerilogIP(const std::string& projectFolder) override;
    std::span<const uint8_t> RecordBytes() const override;

    // Every byte zero, then the board's defaults.
    static IDRENNE_CONFIG DefaultConfig();

    IDRENNE_CONFIG Config{};
};

using IDRENNE_CONFIG = TConfigIdrenne::IDRENNE_CONFIG;

// The FMC voltage codes of the record.
constexpr int32_t IDRENNE_FMC_1V8 = 2;  // the board's default
constexpr int32_t IDRENNE_FMC_1V5 = 3;
constexpr int32_t IDRENNE_FMC_1V2 = 4;

static_assert(sizeof(IDRENNE_CONFIG) == 420);
static_assert(offsetof(IDRENNE_CONFIG, BoardId) == 0);
static_assert(offsetof(IDRENNE_CONFIG, BoardVariant) == 1);
static_assert(offsetof(IDRENNE_CONFIG, Size) == 4);
static_assert(offsetof(IDRENNE_CONFIG, szProjectName) == 8);
static_assert(offsetof(IDRENNE_CONFIG, nFileType) == 136);
static_assert(offsetof(IDRENNE_CONFIG, bOSC) == 137);
static_assert(offsetof(IDRENNE_CONFIG, bLED) == 138);
static_assert(offsetof(IDRENNE_CONFIG, bSeg7) == 139);
static_assert(offsetof(IDRENNE_CONFIG, bButton) == 140);
static_assert(offsetof(IDRENNE_CONFIG, bSwitch) == 141);
static_assert(offsetof(IDRENNE_CONFIG, bFan) == 142);
static_assert(offsetof(IDRENNE_CONFIG, bTemperature) == 143);
static_assert(offsetof(IDRENNE_CONFIG, bSDRAM) == 144);
static_assert(offsetof(IDRENNE_CONFIG, bEthernet) == 145);
static_assert(offsetof(IDRENNE_CONFIG, bSMA) == 146);
static_assert(offsetof(IDRENNE_CONFIG, bSATA) == 147);
static_assert(offsetof(IDRENNE_CONFIG, bPCIe) == 148);
static_assert(offsetof(IDRENNE_CONFIG, bSDI) == 149);
static_assert(offsetof(IDRENNE_CONFIG, bUSB) == 150);
static_assert(offsetof(IDRENNE_CONFIG, bHDMI) == 151);
static_assert(offsetof(IDRENNE_CONFIG, bSFP) == 152);
static_assert(offsetof(IDRENNE_CONFIG, bDisplayPort) == 153);
static_assert(offsetof(IDRENNE_CONFIG, bHPS) == 154);
static_assert(offsetof(IDRENNE_CONFIG, nDDR4SocketDaughterId) == 155);
static_assert(offsetof(IDRENNE_CONFIG, szDDR4SocketPrefixName) == 156);
static_assert(offsetof(IDRENNE_CONFIG, nFmcVol) == 284);
static_assert(offsetof(IDRENNE_CONFIG, nFmcDaughterId) == 288);
static_assert(offsetof(IDRENNE_CONFIG, szFmcPrefixName) == 289);
static_assert(offsetof(IDRENNE_CONFIG, Padding2) == 417);
