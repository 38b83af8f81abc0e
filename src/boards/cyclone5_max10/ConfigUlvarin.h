#pragma once
// Ulvarin's settings: the 416-byte record that is also the format of its .cfg files.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/settings/ConfigBoard.h"

class TConfigUlvarin : public TConfigBoard {
public:
    struct ULVARIN_CONFIG {
        uint8_t BoardId;
        uint8_t Padding1[3];
        int32_t Size;
        char szProjectName[128];
        uint8_t bVhdl;  // top-level file: 0 Verilog, 1 VHDL
        uint8_t bClock;
        uint8_t bLed;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bVga;
        uint8_t bSdram;
        uint8_t bAudio;
        uint8_t bVideoIn;
        uint8_t bAdc;
        uint8_t bSeg7;
        uint8_t bIr;
        uint8_t bPs2;
        uint8_t bHps;
        uint8_t nGpioDaughterId[1];
        char szGpioPrefixName[1][128];
        uint8_t Padding2;
        int32_t nHsmcVoltage;  // 0 "3.3 V", 1 "2.5 V (Default)", 2 "1.8 V", 3 "1.5 V"
        uint8_t nHsmcDaughterId;
        char szHSMCPrefixName[128];
        uint8_t Padding3[3];
    };

    TConfigUlvarin();
    ~TConfigUlvarin() override;

    bool LoadFromFile(const std::string& fileName) override;
    bool SaveToFile(const std::string& fileName) override;
    std::string GetQsfSettings() override;
    std::string GetTopLevelCode() override;
    ExportResult ExportVerilogIP(const std::string& projectFolder) override;
    std::span<const uint8_t> RecordBytes() const override;

    // Every byte zero, then the board's defaults.
    static ULVARIN_CONFIG DefaultConfig();

    ULVARIN_CONFIG Config{};
};

using ULVARIN_CONFIG = TConfigUlvarin::ULVARIN_CONFIG;

static_assert(sizeof(ULVARIN_CONFIG) == 416);
static_assert(offsetof(ULVARIN_CONFIG, BoardId) == 0);
static_assert(offsetof(ULVARIN_CONFIG, Size) == 4);
static_assert(offsetof(ULVARIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(ULVARIN_CONFIG, bVhdl) == 136);
static_assert(offsetof(ULVARIN_CONFIG, bClock) == 137);
static_assert(offsetof(ULVARIN_CONFIG, bLed) == 138);
static_assert(offsetof(ULVARIN_CONFIG, bButton) == 139);
static_assert(offsetof(ULVARIN_CONFIG, bSwitch) == 140);
static_assert(offsetof(ULVARIN_CONFIG, bVga) == 141);
static_assert(offsetof(ULVARIN_CONFIG, bSdram) == 142);
static_assert(offsetof(ULVARIN_CONFIG, bAudio) == 143);
static_assert(offsetof(ULVARIN_CONFIG, bVideoIn) == 144);
static_assert(offsetof(ULVARIN_CONFIG, bAdc) == 145);
static_assert(offsetof(ULVARIN_CONFIG, bSeg7) == 146);
static_assert(offsetof(ULVARIN_CONFIG, bIr) == 147);
static_assert(offsetof(ULVARIN_CONFIG, bPs2) == 148);
static_assert(offsetof(ULVARIN_CONFIG, bHps) == 149);
static_assert(offsetof(ULVARIN_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(ULVARIN_CONFIG, szGpioPrefixName) == 151);
static_assert(offsetof(ULVARIN_CONFIG, Padding2) == 279);
static_assert(offsetof(ULVARIN_CONFIG, nHsmcVoltage) == 280);
static_assert(offsetof(ULVARIN_CONFIG, nHsmcDaughterId) == 284);
static_assert(offsetof(ULVARIN_CONFIG, szHSMCPrefixName) == 285);
static_assert(offsetof(ULVARIN_CONFIG, Padding3) == 413);
