#pragma once
// Pressel's settings: the 272-byte record that is also the format of its .cfg files. Unlike
// every other record it starts with Size and packs its fields without padding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/settings/ConfigBoard.h"

class TConfigPressel : public TConfigBoard {
public:
    static constexpr int GPIO_NUM = 1;

    struct BOARD_CONFIG {
        int32_t Size;
        uint8_t BoardId;
        char szProjectName[128];
        uint8_t bClock;
        uint8_t bLed;
        uint8_t bButton;
        uint8_t bSwitch;
        uint8_t Reserved;  // no control reads or writes it; kept as loaded
        uint8_t bAccelerometer;
        uint8_t bSdram;
        uint8_t bVga;
        uint8_t bSeg7;
        uint8_t bArduino;
        uint8_t nGpioDaughterId;
        char szGpioPrefixName[128];
    };

    TConfigPressel();
    ~TConfigPressel() override;

    bool LoadFromFile(const std::string& fileName) override;
    bool SaveToFile(const std::string& fileName) override;
    std::string GetQsfSettings() override;
    std::string GetTopLevelCode() override;
    ExportResult ExportVerilogIP(const std::string& projectFolder) override;
    std::span<const uint8_t> RecordBytes() const override;

    // Every byte zero, then the board's defaults: every group, no card.
    static BOARD_CONFIG DefaultConfig();

    BOARD_CONFIG Config{};
};

using PRESSEL_CONFIG = TConfigPressel::BOARD_CONFIG;

// The fields fall on these offsets without any packing directive: Size is the only wider field
// and comes first.
static_assert(sizeof(PRESSEL_CONFIG) == 272);
static_assert(offsetof(PRESSEL_CONFIG, Size) == 0);
static_assert(offsetof(PRESSEL_CONFIG, BoardId) == 4);
static_assert(offsetof(PRESSEL_CONFIG, szProjectName) == 5);
static_assert(offsetof(PRESSEL_CONFIG, bClock) == 133);
static_assert(offsetof(PRESSEL_CONFIG, bLed) == 134);
static_assert(offsetof(PRESSEL_CONFIG, bButton) == 135);
static_assert(offsetof(PRESSEL_CONFIG, bSwitch) == 136);
static_assert(offsetof(PRESSEL_CONFIG, Reserved) == 137);
static_assert(offsetof(PRESSEL_CONFIG, bAccelerometer) == 138);
static_assert(offsetof(PRESSEL_CONFIG, bSdram) == 139);
static_assert(offsetof(PRESSEL_CONFIG, bVga) == 140);
static_assert(offsetof(PRESSEL_CONFIG, bSeg7) == 141);
static_assert(offsetof(PRESSEL_CONFIG, bArduino) == 142);
static_assert(offsetof(PRESSEL_CONFIG, nGpioDaughterId) == 143);
static_assert(offsetof(PRESSEL_CONFIG, szGpioPrefixName) == 144);
