#pragma once
// Vellani's settings: the 812-byte record that is also the format of its .cfg files, the
// frequencies of its two programmable clock chips (a CDCM6208 on I2C, an LMK04906 on SPI)
// and the project text that programs them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/settings/ConfigBoard.h"

class TConfigVellani : public TConfigBoard {
public:
    static constexpr int kCdcmOutputs = 6;  // FMCA, FMCD, SATA host, SATA device, PCIe, DDR3
    static constexpr int kLmkOutputs = 4;   // FMCA, FMCB, FMCC, FMCD
    static constexpr int kFmcPorts = 4;     // A and D HPC, B and C LPC

    struct VELLANI_CONFIG {
        uint8_t BoardId;
        uint8_t BoardVariant;  // 0 A7 C2, 1 AB C2, 2 AB I3
        uint8_t Reserved1[2];
        int32_t Size;
        char szProjectName[128];
        uint8_t bOSC;
        uint8_t bLED;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bSma;
        uint8_t bTemp;
        uint8_t bPower;
        uint8_t bDDR3;
        uint8_t bPCIe;
        uint8_t bSataHost;
        uint8_t bSataDevice;
        uint8_t bUart2Usb;
        uint8_t bSdcard;
        uint8_t bFan;
        uint8_t bSSRAM;
        uint8_t bFlash;
        uint8_t bExtCdcmPLL;
        uint8_t bExtLmkPLL;
        uint8_t Reserved2;
        uint8_t nPLL[kCdcmOutputs];       // item index of each CDCM6208 list
        uint8_t nPLL_PLUS[kLmkOutputs];   // 0 "Disable", 1 322.265625, 2 644.53125 MHz
        uint8_t nGpioDaughterId;
        char szGpioPrefixName[128];
        uint8_t nFmcDaughterId[kFmcPorts];
        char szFmcPrefixName[kFmcPorts][128];
        uint8_t Reserved3[2];
    };

    TConfigVellani();
    ~TConfigVellani() override;

    bool LoadFromFile(const std::string& fileName) override;
    bool SaveToFile(const std::string& fileName) override;
    // The controller files of the chips the record programs, LMK04906 first.
    std::string GetQsfSettings() override;
    // The CDCM6208 block, then the LMK04906 block, each only when its chip is programmed.
    std::string GetTopLevelCode() override;
    // Writes cdcm6208/ and lmk04906/ controller files; stops at the first failed write.
    ExportResult ExportVerilogIP(const std::string& projectFolder) override;
    std::span<const uint8_t> RecordBytes() const override;

    // Every byte zero, then the board's defaults.
    static VELLANI_CONFIG DefaultConfig();

    // MHz of an output for the record's choice; 0 where it gives no clock (also for a choice
    // outside the output's list, as a file may hold).
    float CdcmOutputFrequency(int output) const;
    float LmkOutputFrequency(int output) const;

    VELLANI_CONFIG Config{};
};

using VELLANI_CONFIG = TConfigVellani::VELLANI_CONFIG;

// The items of the clock lists; an item's index is the record's value.
namespace vellani {
inline constexpr const char* kCdcmFmcItems[] = {"Disable", "100.0", "125.0", "150.0"};
inline constexpr const char* kCdcmSataItems[] = {"Disable", "150.0"};
inline constexpr const char* kCdcmPcieItems[] = {"Disable", "100.0"};
inline constexpr const char* kCdcmDdr3Items[] = {"Disable", "133.333"};
inline constexpr const char* kLmkItems[] = {"Disable", "322.265625", "644.53125"};
// The board types; the index is BoardVariant.
inline constexpr const char* kBoardTypes[] = {"Vellani_A7(5SGXEA7N2F45C2N)", "Vellani_AB(5SGXEABN2F45C2N)",
                                             "Vellani_AB(5SGXEABN3F45I3NYY)"};
}  // namespace vellani

static_assert(sizeof(VELLANI_CONFIG) == 812);
static_assert(offsetof(VELLANI_CONFIG, BoardId) == 0);
static_assert(offsetof(VELLANI_CONFIG, BoardVariant) == 1);
static_assert(offsetof(VELLANI_CONFIG, Size) == 4);
static_assert(offsetof(VELLANI_CONFIG, szProjectName) == 8);
static_assert(offsetof(VELLANI_CONFIG, bOSC) == 136);
static_assert(offsetof(VELLANI_CONFIG, bLED) == 137);
static_assert(offsetof(VELLANI_CONFIG, bButton) == 138);
static_assert(offsetof(VELLANI_CONFIG, bSwitch) == 139);
static_assert(offsetof(VELLANI_CONFIG, bSma) == 140);
static_assert(offsetof(VELLANI_CONFIG, bTemp) == 141);
static_assert(offsetof(VELLANI_CONFIG, bPower) == 142);
static_assert(offsetof(VELLANI_CONFIG, bDDR3) == 143);
static_assert(offsetof(VELLANI_CONFIG, bPCIe) == 144);
static_assert(offsetof(VELLANI_CONFIG, bSataHost) == 145);
static_assert(offsetof(VELLANI_CONFIG, bSataDevice) == 146);
static_assert(offsetof(VELLANI_CONFIG, bUart2Usb) == 147);
static_assert(offsetof(VELLANI_CONFIG, bSdcard) == 148);
static_assert(offsetof(VELLANI_CONFIG, bFan) == 149);
static_assert(offsetof(VELLANI_CONFIG, bSSRAM) == 150);
static_assert(offsetof(VELLANI_CONFIG, bFlash) == 151);
static_assert(offsetof(VELLANI_CONFIG, bExtCdcmPLL) == 152);
static_assert(offsetof(VELLANI_CONFIG, bExtLmkPLL) == 153);
static_assert(offsetof(VELLANI_CONFIG, nPLL) == 155);
static_assert(offsetof(VELLANI_CONFIG, nPLL_PLUS) == 161);
static_assert(offsetof(VELLANI_CONFIG, nGpioDaughterId) == 165);
static_assert(offsetof(VELLANI_CONFIG, szGpioPrefixName) == 166);
static_assert(offsetof(VELLANI_CONFIG, nFmcDaughterId) == 294);
static_assert(offsetof(VELLANI_CONFIG, szFmcPrefixName) == 298);
static_assert(offsetof(VELLANI_CONFIG, Reserved3) == 810);
