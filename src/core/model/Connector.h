#pragma once
// A named group of pins: an on-board device group, an expansion connector or a card.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Pin.h"

constexpr uint8_t CONNECTOR_NONE = 0;
constexpr uint8_t CONNECTOR_HSMC = 1;
constexpr uint8_t CONNECTOR_Kelpin = 2;
constexpr uint8_t CONNECTOR_GPIO40 = 3;
constexpr uint8_t CONNECTOR_GPIO80 = 4;
constexpr uint8_t CONNECTOR_DDR2_SODIMM = 5;
constexpr uint8_t CONNECTOR_DDR3_SODIMM = 6;
constexpr uint8_t CONNECTOR_DDR4_SODIMM = 7;
constexpr uint8_t CONNECTOR_FMC_HPC = 8;
constexpr uint8_t CONNECTOR_FMC_LPC = 9;
constexpr uint8_t CONNECTOR_Ombrel_2x6 = 10;
constexpr uint8_t CONNECTOR_MEMORY_MODULE = 13;  // type of the socket-module cards only, never of a connector

// Numbers by which board definitions mark expansion connectors and forms find them again.
// Unique within one board only (12 and 13 are HSMC ports on one board, Kelpin on another).
constexpr int32_t EXPANSION_DDR2_SODIMM = 1;
constexpr int32_t EXPANSION_DDR2_SODIMM_1 = 2;
constexpr int32_t EXPANSION_DDR2_SODIMM_2 = 3;
constexpr int32_t EXPANSION_Kelpin_1 = 6;
constexpr int32_t EXPANSION_Kelpin_23 = 7;
constexpr int32_t EXPANSION_HSMC_A = 8;  // HSMC port n: EXPANSION_HSMC_A + n, n = 0 to 5
constexpr int32_t EXPANSION_HSMC_B = 9;
constexpr int32_t EXPANSION_HSMC_C = 10;
constexpr int32_t EXPANSION_HSMC_D = 11;
constexpr int32_t EXPANSION_HSMC_E = 12;
constexpr int32_t EXPANSION_HSMC_F = 13;
constexpr int32_t EXPANSION_Kelpin_A = 12;  // Kelpin port n of the Orlenn board: EXPANSION_Kelpin_A + n
constexpr int32_t EXPANSION_Kelpin_B = 13;
constexpr int32_t EXPANSION_Kelpin_C = 14;
constexpr int32_t EXPANSION_Kelpin_D = 15;
constexpr int32_t EXPANSION_GPIO_0 = 16;
constexpr int32_t EXPANSION_GPIO_1 = 17;
constexpr int32_t EXPANSION_GPIO_80 = 18;
// The two GPIO headers' indexes into a record's card ids and prefixes (nGpioDaughterId[GPIO_1]).
constexpr int GPIO_0 = 0;
constexpr int GPIO_1 = 1;
constexpr int32_t EXPANSION_DDR3_SODIMM = 19;
constexpr int32_t EXPANSION_FMC_A = 20;  // FMC port n: EXPANSION_FMC_A + n, n = 0 to 3
constexpr int32_t EXPANSION_FMC_B = 21;
constexpr int32_t EXPANSION_FMC_C = 22;
constexpr int32_t EXPANSION_FMC_D = 23;
constexpr int32_t EXPANSION_DDR3_SODIMM_A = 24;
constexpr int32_t EXPANSION_DDR3_SODIMM_B = 25;
constexpr int32_t EXPANSION_DDR4_SODIMM_A = 27;
constexpr int32_t EXPANSION_DDR4_SODIMM_B = 28;
constexpr int32_t EXPANSION_Ombrel_2x6 = 31;

class TConnector {
public:
    TConnector(const std::string& name, const std::string& description, uint8_t type,
               int32_t daughterBoardId);
    ~TConnector();
    TConnector(const TConnector&) = delete;
    TConnector& operator=(const TConnector&) = delete;

    // Appends a pin, or a null entry for a position without signal; the connector owns it.
    void AddPin(TPin* pin);
    void AddPin(std::unique_ptr<TPin> pin) { AddPin(pin.release()); }
    // The entry at a 0-based index, possibly null; an internal error outside the list.
    TPin* GetPin(int index) const;
    int GetPinCount() const { return static_cast<int>(m_PinList.size()); }
    int GetActivePinCount() const;
    void ClearPins();

    const std::string& GetName() const { return m_Name; }
    void SetName(const std::string& value);
    const std::string& GetDescription() const { return m_Description; }
    void SetDescription(const std::string& value);
    uint8_t GetType() const { return m_Type; }
    void SetType(uint8_t value);
    uint8_t GetDaughterType() const { return m_DaughterType; }
    void SetDaughterType(uint8_t value);
    int32_t IsExpansion() const { return m_Expansion; }
    void SetExpansion(int32_t value);
    int32_t GetExpansionId() const { return m_ExpansionId; }
    void SetExpansionId(int32_t value);
    int32_t GetDaughterBoardId() const { return m_DaughterBoardId; }

    // Orders the pins by base name and index, null entries staying where they are.
    void SortPins();

private:
    std::vector<std::unique_ptr<TPin>> m_PinList;
    std::string m_Name;
    std::string m_Description;
    uint8_t m_Type = CONNECTOR_NONE;
    uint8_t m_DaughterType = 0;
    int32_t m_Expansion = 0;
    int32_t m_ExpansionId = 0;
    int32_t m_DaughterBoardId = -1;
};

// The text of a connector type 1 to 10 ("HSMC", "GPIO", ...); empty for any other value.
std::string ConnectorTypeName(uint8_t type);
// Number of positions of an expansion connector of the type; 0 for CONNECTOR_NONE and others.
int ConnectorPositionCount(uint8_t type);
// The HSMC position (1 to 160) a Kelpin position (1 to 180) takes its signal from, or -1.
int KelpinToHsmcPin(int position);
// The sort order of two pins: true when a sorts after b. Raises platform::ConversionError
// for two bus members with the same base whose index is not a number.
bool PinIsGreater(const TPin& a, const TPin& b);
