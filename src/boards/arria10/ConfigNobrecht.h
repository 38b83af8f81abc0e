#pragma once
// Nobrecht's settings: the 188-byte record that is also the format of its .cfg files, its two
// Si5340 clock generators and the project text they bring.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "boards/arria10/Si5340.h"
#include "core/settings/ConfigBoard.h"

class TConfigNobrecht : public TConfigBoard {
public:
    struct NOBRECHT_CONFIG {
        uint8_t BoardId;
        uint8_t BoardVariant;  // FPGA part, an entry of the board's device list
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
        uint8_t bDDR3_0;
        uint8_t bDDR3_1;
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
        uint8_t bRs422;
        uint8_t Padding2;
        int32_t nSi5340A[4];  // QSFP+ A-D reference clocks
        int32_t nSi5340B[3];  // memory, QDRII+ and on-board PCIe reference clocks
    };

    TConfigNobrecht();
    ~TConfigNobrecht() override;

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
    static NOBRECHT_CONFIG DefaultConfig();

    // What Dravelle, whose record has the same layout, shares: the termination rows after the
    // memory sockets' and the QDRII+ part of the Si5340B selector name by choice.
    static std::span<const si5340::TerminationRow> QdrPcieQsfpTerminations();
    static const char* SelectorQdrPart(int32_t code);

    NOBRECHT_CONFIG Config{};
};

using NOBRECHT_CONFIG = TConfigNobrecht::NOBRECHT_CONFIG;

static_assert(sizeof(NOBRECHT_CONFIG) == 188);
static_assert(offsetof(NOBRECHT_CONFIG, BoardId) == 0);
static_assert(offsetof(NOBRECHT_CONFIG, BoardVariant) == 1);
static_assert(offsetof(NOBRECHT_CONFIG, Size) == 4);
static_assert(offsetof(NOBRECHT_CONFIG, szProjectName) == 8);
static_assert(offsetof(NOBRECHT_CONFIG, bOSC) == 136);
static_assert(offsetof(NOBRECHT_CONFIG, bLED) == 137);
static_assert(offsetof(NOBRECHT_CONFIG, bSeg7) == 138);
static_assert(offsetof(NOBRECHT_CONFIG, bButton) == 139);
static_assert(offsetof(NOBRECHT_CONFIG, bSwitch) == 140);
static_assert(offsetof(NOBRECHT_CONFIG, bSma) == 141);
static_assert(offsetof(NOBRECHT_CONFIG, bTemp) == 142);
static_assert(offsetof(NOBRECHT_CONFIG, bPower) == 143);
static_assert(offsetof(NOBRECHT_CONFIG, bDDR3_0) == 144);
static_assert(offsetof(NOBRECHT_CONFIG, bDDR3_1) == 145);
static_assert(offsetof(NOBRECHT_CONFIG, bQdrA) == 146);
static_assert(offsetof(NOBRECHT_CONFIG, bQdrB) == 147);
static_assert(offsetof(NOBRECHT_CONFIG, bQdrC) == 148);
static_assert(offsetof(NOBRECHT_CONFIG, bQdrD) == 149);
static_assert(offsetof(NOBRECHT_CONFIG, bQsfpA) == 150);
static_assert(offsetof(NOBRECHT_CONFIG, bQsfpB) == 151);
static_assert(offsetof(NOBRECHT_CONFIG, bQsfpC) == 152);
static_assert(offsetof(NOBRECHT_CONFIG, bQsfpD) == 153);
static_assert(offsetof(NOBRECHT_CONFIG, bPCIe) == 154);
static_assert(offsetof(NOBRECHT_CONFIG, bFan) == 155);
static_assert(offsetof(NOBRECHT_CONFIG, bFlash) == 156);
static_assert(offsetof(NOBRECHT_CONFIG, bPceiClk) == 157);
static_assert(offsetof(NOBRECHT_CONFIG, bRs422) == 158);
static_assert(offsetof(NOBRECHT_CONFIG, Padding2) == 159);
static_assert(offsetof(NOBRECHT_CONFIG, nSi5340A) == 160);
static_assert(offsetof(NOBRECHT_CONFIG, nSi5340B) == 176);
