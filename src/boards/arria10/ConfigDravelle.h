#pragma once
// Dravelle's settings: Nobrecht's with DDR4 sockets. The 188-byte record, laid out as
// Nobrecht's, is also the format of its .cfg files; its two Si5340 clock generators and the
// project text they bring.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/settings/ConfigBoard.h"

class TConfigDravelle : public TConfigBoard {
public:
    struct DRAVELLE_CONFIG {
        uint8_t BoardId;
        uint8_t BoardVariant;  // no control writes it; kept as loaded
        uint8_t Padding1[2];
        int32_t Size;
        char szProjectName[128];
        uint8_t bOSC;
        uint8_t bLED;
        uint8_t bSeg7;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bSma;
        uint8_t bTemp;
        uint8_t bPower;
        uint8_t bDDR4_0;
        uint8_t bDDR4_1;
        uint8_t bQdrA;
        uint8_t bQdrB;
        uint8_t bQdrC;
        uint8_t bQdrD;
        uint8_t bQsfpA;
        uint8_t bQsfpB;
        uint8_t bQsfpC;
        uint8_t bQsfpD;
        uint8_t bPCIe;
        uint8_t bFan;
        uint8_t bFlash;
        uint8_t bPceiClk;
        uint8_t bTPS40428;
        uint8_t bRs422;
        int32_t nSi5340A[4];  // QSFP+ A-D reference clocks
        int32_t nSi5340B[3];  // memory, QDRII+ and on-board PCIe reference clocks
    };

    TConfigDravelle();
    ~TConfigDravelle() override;

    bool LoadFromFile(const std::string& fileName) override;
    bool SaveToFile(const std::string& fileName) override;
    std::string GetQsfSettings() override;
    std::string GetTopLevelCode() override;
    ExportResult ExportVerilogIP(const std::string& projectFolder) override;
    std::span<const uint8_t> RecordBytes() const override;

    std::string QsfTerminations() const;
    std::string QsfSi5340Includes() const;
    std::string Si5340AVerilog(int32_t out0, int32_t out1, int32_t out2, int32_t out3) const;
    std::string Si5340BVerilog(int32_t memory, int32_t qdr, int32_t pcie) const;
    static std::string Si5340ADefineName(int32_t code);

    bool IsSi5340AUsed() const;
    bool IsSi5340BUsed() const;

    // MHz of a stored choice; 0 for "Not Use" and any code the list does not have.
    static double Si5340AFrequency(uint8_t code);
    static double Si5340BDdrFrequency(uint8_t code);
    static double Si5340BQdrFrequency(uint8_t code);
    static double Si5340BPcieFrequency(uint8_t code);

    // Every byte zero, then the board's defaults.
    static DRAVELLE_CONFIG DefaultConfig();

    DRAVELLE_CONFIG Config{};
};

using DRAVELLE_CONFIG = TConfigDravelle::DRAVELLE_CONFIG;

static_assert(sizeof(DRAVELLE_CONFIG) == 188);
static_assert(offsetof(DRAVELLE_CONFIG, BoardId) == 0);
static_assert(offsetof(DRAVELLE_CONFIG, BoardVariant) == 1);
static_assert(offsetof(DRAVELLE_CONFIG, Size) == 4);
static_assert(offsetof(DRAVELLE_CONFIG, szProjectName) == 8);
static_assert(offsetof(DRAVELLE_CONFIG, bOSC) == 136);
static_assert(offsetof(DRAVELLE_CONFIG, bLED) == 137);
static_assert(offsetof(DRAVELLE_CONFIG, bSeg7) == 138);
static_assert(offsetof(DRAVELLE_CONFIG, bButton) == 139);
static_assert(offsetof(DRAVELLE_CONFIG, bSwitch) == 140);
static_assert(offsetof(DRAVELLE_CONFIG, bSma) == 141);
static_assert(offsetof(DRAVELLE_CONFIG, bTemp) == 142);
static_assert(offsetof(DRAVELLE_CONFIG, bPower) == 143);
static_assert(offsetof(DRAVELLE_CONFIG, bDDR4_0) == 144);
static_assert(offsetof(DRAVELLE_CONFIG, bDDR4_1) == 145);
static_assert(offsetof(DRAVELLE_CONFIG, bQdrA) == 146);
static_assert(offsetof(DRAVELLE_CONFIG, bQdrB) == 147);
static_assert(offsetof(DRAVELLE_CONFIG, bQdrC) == 148);
static_assert(offsetof(DRAVELLE_CONFIG, bQdrD) == 149);
static_assert(offsetof(DRAVELLE_CONFIG, bQsfpA) == 150);
static_assert(offsetof(DRAVELLE_CONFIG, bQsfpB) == 151);
static_assert(offsetof(DRAVELLE_CONFIG, bQsfpC) == 152);
static_assert(offsetof(DRAVELLE_CONFIG, bQsfpD) == 153);
static_assert(offsetof(DRAVELLE_CONFIG, bPCIe) == 154);
static_assert(offsetof(DRAVELLE_CONFIG, bFan) == 155);
static_assert(offsetof(DRAVELLE_CONFIG, bFlash) == 156);
static_assert(offsetof(DRAVELLE_CONFIG, bPceiClk) == 157);
static_assert(offsetof(DRAVELLE_CONFIG, bTPS40428) == 158);
static_assert(offsetof(DRAVELLE_CONFIG, bRs422) == 159);
static_assert(offsetof(DRAVELLE_CONFIG, nSi5340A) == 160);
static_assert(offsetof(DRAVELLE_CONFIG, nSi5340B) == 176);
