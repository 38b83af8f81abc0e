#pragma once
// Abernoll's settings: the 180-byte record that is also the format of its .cfg files, its two
// Si5340 clock generators (the second one for the QDRII+ reference clocks only) and the
// project text they bring.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/settings/ConfigBoard.h"

class TConfigAbernoll : public TConfigBoard {
public:
    struct ABERNOLL_CONFIG {
        uint8_t BoardId;
        uint8_t BoardVariant;  // not used
        uint8_t Padding1[2];
        int32_t Size;
        char szProjectName[128];
        uint8_t bOSC;
        uint8_t bLED;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t bTemp;
        uint8_t bPower;
        uint8_t bQdrA;
        uint8_t bQdrB;
        uint8_t bQdrC;
        uint8_t bQdrD;
        uint8_t bQdrE;
        uint8_t bQdrF;
        uint8_t bQsfpA;
        uint8_t bQsfpB;
        uint8_t bQsfpC;
        uint8_t bQsfpD;
        uint8_t bPCIe;
        uint8_t bFan;
        uint8_t bFlash;
        uint8_t bRs422;
        uint8_t bLTM4677;  // no control writes it; kept as loaded
        uint8_t bGPIO;
        uint8_t Padding2[2];
        int32_t nSi5340A[4];     // QSFP+ A-D reference clocks
        int32_t nSi5340B_QDRII;  // the QDRII+ reference clocks
    };

    TConfigAbernoll();
    ~TConfigAbernoll() override;

    bool LoadFromFile(const std::string& fileName) override;
    bool SaveToFile(const std::string& fileName) override;
    std::string GetQsfSettings() override;
    std::string GetTopLevelCode() override;
    ExportResult ExportVerilogIP(const std::string& projectFolder) override;
    std::span<const uint8_t> RecordBytes() const override;

    std::string QsfTerminations() const;
    std::string QsfSi5340Includes() const;
    std::string Si5340AVerilog(int32_t out0, int32_t out1, int32_t out2, int32_t out3) const;
    std::string Si5340BVerilog(int32_t qdr) const;
    static std::string Si5340ADefineName(int32_t code);

    bool IsSi5340AUsed() const;
    bool IsSi5340BUsed() const;

    // MHz of a stored choice; 0 for "Not Use" and any code the list does not have.
    static double Si5340AFrequency(uint8_t code);
    static double Si5340BQdrFrequency(uint8_t code);

    // Every byte zero, then the board's defaults.
    static ABERNOLL_CONFIG DefaultConfig();

    ABERNOLL_CONFIG Config{};
};

using ABERNOLL_CONFIG = TConfigAbernoll::ABERNOLL_CONFIG;

static_assert(sizeof(ABERNOLL_CONFIG) == 180);
static_assert(offsetof(ABERNOLL_CONFIG, BoardId) == 0);
static_assert(offsetof(ABERNOLL_CONFIG, BoardVariant) == 1);
static_assert(offsetof(ABERNOLL_CONFIG, Size) == 4);
static_assert(offsetof(ABERNOLL_CONFIG, szProjectName) == 8);
static_assert(offsetof(ABERNOLL_CONFIG, bOSC) == 136);
static_assert(offsetof(ABERNOLL_CONFIG, bLED) == 137);
static_assert(offsetof(ABERNOLL_CONFIG, bButton) == 138);
static_assert(offsetof(ABERNOLL_CONFIG, bSwitch) == 139);
static_assert(offsetof(ABERNOLL_CONFIG, bTemp) == 140);
static_assert(offsetof(ABERNOLL_CONFIG, bPower) == 141);
static_assert(offsetof(ABERNOLL_CONFIG, bQdrA) == 142);
static_assert(offsetof(ABERNOLL_CONFIG, bQdrB) == 143);
static_assert(offsetof(ABERNOLL_CONFIG, bQdrC) == 144);
static_assert(offsetof(ABERNOLL_CONFIG, bQdrD) == 145);
static_assert(offsetof(ABERNOLL_CONFIG, bQdrE) == 146);
static_assert(offsetof(ABERNOLL_CONFIG, bQdrF) == 147);
static_assert(offsetof(ABERNOLL_CONFIG, bQsfpA) == 148);
static_assert(offsetof(ABERNOLL_CONFIG, bQsfpB) == 149);
static_assert(offsetof(ABERNOLL_CONFIG, bQsfpC) == 150);
static_assert(offsetof(ABERNOLL_CONFIG, bQsfpD) == 151);
static_assert(offsetof(ABERNOLL_CONFIG, bPCIe) == 152);
static_assert(offsetof(ABERNOLL_CONFIG, bFan) == 153);
static_assert(offsetof(ABERNOLL_CONFIG, bFlash) == 154);
static_assert(offsetof(ABERNOLL_CONFIG, bRs422) == 155);
static_assert(offsetof(ABERNOLL_CONFIG, bLTM4677) == 156);
static_assert(offsetof(ABERNOLL_CONFIG, bGPIO) == 157);
static_assert(offsetof(ABERNOLL_CONFIG, Padding2) == 158);
static_assert(offsetof(ABERNOLL_CONFIG, nSi5340A) == 160);
static_assert(offsetof(ABERNOLL_CONFIG, nSi5340B_QDRII) == 176);
