#pragma once
// The daughter-card catalogue: one row per card id 0 to 93.
#include <cstdint>
#include <string>

#include "core/model/Connector.h"

constexpr uint8_t VOLTAGE_1V5 = 1;
constexpr uint8_t VOLTAGE_1V8 = 2;
constexpr uint8_t VOLTAGE_2V5 = 3;
constexpr uint8_t VOLTAGE_3V0 = 4;
constexpr uint8_t VOLTAGE_3V3 = 5;

constexpr uint8_t DAUGHTER_NONE = 0;
constexpr uint8_t DAUGHTER_GPIO_DEFAULT = 1;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT = 2;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_XCVR = 3;
constexpr uint8_t DAUGHTER_HSMC_LVDS_DEFAULT = 4;
constexpr uint8_t DAUGHTER_Kelpin_DEFAULT = 5;
constexpr uint8_t DAUGHTER_Cobrel = 6;
constexpr uint8_t DAUGHTER_Wyrsel = 7;
constexpr uint8_t DAUGHTER_Fobbin = 8;
constexpr uint8_t DAUGHTER_DDR2_SODIMM = 9;
constexpr uint8_t DAUGHTER_Kobbet_HSMC = 10;
constexpr uint8_t DAUGHTER_Kobbet_GPIO = 11;
constexpr uint8_t DAUGHTER_Sollip = 12;
constexpr uint8_t DAUGHTER_Garvet = 13;
constexpr uint8_t DAUGHTER_Nuppel = 14;
constexpr uint8_t DAUGHTER_Kelpin_Brasket = 15;
constexpr uint8_t DAUGHTER_Quillet_Kelpin = 16;
constexpr uint8_t DAUGHTER_Quillet_HSMC = 17;
constexpr uint8_t DAUGHTER_HSMC_DEBUG = 18;
constexpr uint8_t DAUGHTER_HSMC_LOOPBACK = 19;
constexpr uint8_t DAUGHTER_Kelpin_LOOPBACK = 20;
constexpr uint8_t DAUGHTER_Sendle = 21;
constexpr uint8_t DAUGHTER_Dortle = 22;
constexpr uint8_t DAUGHTER_Hobbard = 23;
constexpr uint8_t DAUGHTER_Tennel_FIFO = 24;
constexpr uint8_t DAUGHTER_Tennel_NATIVE = 25;
constexpr uint8_t DAUGHTER_Vossil = 26;
constexpr uint8_t DAUGHTER_Lorrat = 27;
constexpr uint8_t DAUGHTER_Pemmit = 28;
constexpr uint8_t DAUGHTER_Wobrin = 29;
constexpr uint8_t DAUGHTER_Jundle = 30;
constexpr uint8_t DAUGHTER_Brasket_TX = 31;
constexpr uint8_t DAUGHTER_Brasket_RX = 32;
constexpr uint8_t DAUGHTER_Tranmer = 33;
constexpr uint8_t DAUGHTER_Ostrum = 34;
constexpr uint8_t DAUGHTER_Yellip = 35;
constexpr uint8_t DAUGHTER_Hasket = 36;
constexpr uint8_t DAUGHTER_HSMC_LOOPBACK_XCVR = 37;
constexpr uint8_t DAUGHTER_DDR3_SODIMM = 38;
constexpr uint8_t DAUGHTER_DDR4_SODIMM = 39;
constexpr uint8_t DAUGHTER_FMC_HPC_VITA = 40;
constexpr uint8_t DAUGHTER_FMC_LPC_VITA = 41;
constexpr uint8_t DAUGHTER_FMC_HPC_ALTERA = 42;
constexpr uint8_t DAUGHTER_FMC_HPC_ALTERA_XCVR = 43;
constexpr uint8_t DAUGHTER_FMC_HPC_ALTERA_Varnholt = 44;
constexpr uint8_t DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt = 45;
constexpr uint8_t DAUGHTER_FMC_LPC_ALTERA = 46;
constexpr uint8_t DAUGHTER_FMC_LPC_ALTERA_XCVR = 47;
constexpr uint8_t DAUGHTER_FMC_Vossil = 48;
constexpr uint8_t DAUGHTER_FMC_Dortle = 49;
constexpr uint8_t DAUGHTER_FMC_Brasket = 50;
constexpr uint8_t DAUGHTER_FMC_Pashard_FOR_TI = 51;
constexpr uint8_t DAUGHTER_FMC_TI_ADC34J45 = 52;
constexpr uint8_t DAUGHTER_FMC_Wyrsel = 53;
constexpr uint8_t DAUGHTER_FMC_Parnish = 54;
constexpr uint8_t DAUGHTER_Corvish = 55;
constexpr uint8_t DAUGHTER_Gantrel = 56;
constexpr uint8_t DAUGHTER_Quillet_Sollip_J2 = 57;
constexpr uint8_t DAUGHTER_Quillet_Sollip_J3 = 58;
constexpr uint8_t DAUGHTER_Quillet_Sollip_BOTH = 59;
constexpr uint8_t DAUGHTER_Bellock = 60;
constexpr uint8_t DAUGHTER_Fermock = 61;
constexpr uint8_t DAUGHTER_Pelvin = 62;
constexpr uint8_t DAUGHTER_Ravesh = 63;
constexpr uint8_t DAUGHTER_Rudgel = 64;
constexpr uint8_t DAUGHTER_TILVARD = 65;
constexpr uint8_t DAUGHTER_Tesvik = 66;
constexpr uint8_t DAUGHTER_Omblin = 67;
constexpr uint8_t DAUGHTER_ARDUINO_DIGITAL = 68;
constexpr uint8_t DAUGHTER_BBB_DEFAULT = 69;
constexpr uint8_t DAUGHTER_BBB_WIFI_BLE = 70;
constexpr uint8_t DAUGHTER_BBB_MODE7 = 71;
constexpr uint8_t DAUGHTER_Ombrel_DEFAULT = 72;
constexpr uint8_t DAUGHTER_Ombrel_Velket = 73;
constexpr uint8_t DAUGHTER_Ferrund_GPIO = 74;
constexpr uint8_t DAUGHTER_Ferrund_FMC = 76;
constexpr uint8_t DAUGHTER_DDR4_SODIMM_NO_ECC = 77;
constexpr uint8_t DAUGHTER_DDR4_SODIMM_ECC = 78;
constexpr uint8_t DAUGHTER_QDR2_MODULE = 79;
constexpr uint8_t DAUGHTER_QDR4_MODULE = 80;
constexpr uint8_t DAUGHTER_GPIO_DEFAULT_2V5 = 82;
constexpr uint8_t DAUGHTER_GPIO_DEFAULT_1V8 = 83;
constexpr uint8_t DAUGHTER_GPIO_DEFAULT_1V5 = 84;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_3V3 = 85;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_1V8 = 86;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_1V5 = 87;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_XCVR_3V3 = 88;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_XCVR_3V0 = 89;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_XCVR_1V8 = 90;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_XCVR_1V5 = 91;
constexpr uint8_t DAUGHTER_GPIO_DEFAULT_3V0 = 92;
constexpr uint8_t DAUGHTER_HSMC_DEFAULT_3V0 = 93;
constexpr int DAUGHTER_ID_COUNT = 94;  // ids 0 to 93

struct DaughterBoardInfo {
    const char* name;       // nullptr where the card has no name
    const char* shortName;  // nullptr where it has no short name
    uint8_t connectorType;
    uint8_t voltageClass;
    bool listed;
    bool needsTransceiver;
};

// Every lookup is total: an id without an entry gives empty text, CONNECTOR_NONE, class 2.5 V,
// listed and no transceivers.
std::string BoardName(uint8_t id);
std::string BoardShortName(uint8_t id);
// The description a card gives the daughter connector: its display name.
std::string BoardDescription(uint8_t id);
uint8_t BoardConnectorType(uint8_t id);
bool BoardIsListed(uint8_t id);
bool BoardNeedsTransceiver(uint8_t id);
uint8_t BoardVoltageClass(uint8_t id);
uint8_t BoardIoStandard(int32_t id);
bool BoardFitsAnyVoltage(uint8_t id, uint8_t voltageClass);
bool BoardFitsVoltage(uint8_t id, uint8_t voltageClass);
bool BoardSortsPins(int32_t id);
// Whether a card the lists offer carries a pin map: "Kelpin Default" and the QDR modules are
// listed (stored settings name them) but have none, so a project cannot be built with them.
bool BoardHasPinMap(uint8_t id);
// One of the generic "HSMC Default" cards (any voltage, with or without transceivers).
bool IsHsmcDefaultCard(uint8_t id);
