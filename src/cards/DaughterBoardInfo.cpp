#include "cards/DaughterBoardInfo.h"

namespace {

// name, short name, connector type, voltage class, listed, uses transceivers
constexpr DaughterBoardInfo kCards[DAUGHTER_ID_COUNT] = {
    {"None", "None", CONNECTOR_NONE, VOLTAGE_2V5, true, false},  // 0
    {"GPIO Default", "GPIO_Default", CONNECTOR_GPIO40, VOLTAGE_3V3, true, false},  // 1
    {"HSMC Default", "HSMC_Default", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 2
    {"HSMC Default With Transceiver", "HSMC_Default_With_Transceiver", CONNECTOR_HSMC, VOLTAGE_2V5, true, true},  // 3
    {"HSMC LVDS Default", "HSMC_LVDS_Default", CONNECTOR_HSMC, VOLTAGE_2V5, false, false},  // 4
    {"Kelpin Default", "Kelpin_Default", CONNECTOR_Kelpin, VOLTAGE_2V5, true, false},  // 5
    {"Cobrel - FullHD TX/RX", "Cobrel", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 6
    {"Wyrsel - 10/100/1000 Ethernet", "Wyrsel", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 7
    {"Fobbin - High Speed ADC/DAC", "Fobbin", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 8
    {"DDR2 SODIMM", "DDR2_SODIMM", CONNECTOR_DDR2_SODIMM, VOLTAGE_2V5, true, false},  // 9
    {"Kobbet - High Speed ADC/DAC", "Kobbet", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 10
    {"Kobbet - High Speed ADC/DAC", "Kobbet", CONNECTOR_GPIO80, VOLTAGE_2V5, true, false},  // 11
    {"Sollip - 5M Pixel Camera", "Sollip", CONNECTOR_GPIO40, VOLTAGE_3V3, true, false},  // 12
    {"Garvet - 4.3\" LCD and Touch", "Garvet", CONNECTOR_GPIO40, VOLTAGE_3V3, true, false},  // 13
    {"Nuppel - Multimedia Card", "Nuppel", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 14
    {"Brasket - FullHD TX/RX", "Brasket", CONNECTOR_Kelpin, VOLTAGE_2V5, true, false},  // 15
    {"Quillet - Kelpin to PIO Adaptor", "Quillet_Kelpin", CONNECTOR_Kelpin, VOLTAGE_2V5, false, false},  // 16
    {"Quillet - HSMC to PIO Adaptor", "Quillet_HSMC", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 17
    {"HSMC Debug", "HSMC_Debug", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 18
    {"HSMC Loopback", "HSMC_Loopback", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 19
    {"Kelpin Loopback", "Kelpin_Loopback", CONNECTOR_Kelpin, VOLTAGE_2V5, true, false},  // 20
    {"Sendle - Form-Factor Pluggable", "Sendle", CONNECTOR_HSMC, VOLTAGE_2V5, true, true},  // 21
    {"Dortle - SD/HD/3G", "Dortle", CONNECTOR_HSMC, VOLTAGE_2V5, true, true},  // 22
    {"Hobbard", "Hobbard", CONNECTOR_HSMC, VOLTAGE_2V5, true, true},  // 23
    {"Tennel - High Speed USB FIFO", "Tennel", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false},  // 24
    {"Tennel - High Speed USB - Native", "Tennel_NATIVE", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false},  // 25
    {"Vossil - Transceiver to SMA", "Vossil", CONNECTOR_HSMC, VOLTAGE_2V5, true, true},  // 26
    {"Lorrat - Industry Communication", "Lorrat", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 27
    {"Pemmit - Santa Cruz Interface", "Pemmit", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 28
    {"Wobrin - 8\" LCD/Touch/Camera", "Wobrin", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 29
    {"Jundle - 8\" LCD/Touch", "Jundle", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false},  // 30
    {"Brasket TX", "Brasket_TX", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 31
    {"Brasket RX", "Brasket_RX", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 32
    {"Tranmer", "Tranmer", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 33
    {"Ostrum - Interactive Sensor Board", "Ostrum", CONNECTOR_GPIO40, VOLTAGE_3V3, false, false},  // 34
    {"Yellip-Aptina Headboard Adaptor", "Yellip", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 35
    {"Hasket - 8\" LCD/Touch/Camera", "Hasket", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 36
    {"HSMC Loopback w/ Transceiver", "HSMC_Loopback_Xcvr", CONNECTOR_HSMC, VOLTAGE_2V5, true, true},  // 37
    {"DDR3 SODIMM", "DDR3_SODIMM", CONNECTOR_DDR3_SODIMM, VOLTAGE_2V5, true, false},  // 38
    {"DDR4 SODIMM", "DDR4_SODIMM", CONNECTOR_DDR4_SODIMM, VOLTAGE_2V5, true, false},  // 39
    {"FMC HPC - VITA Standard", "FMC HPC - VITA Standard", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true},  // 40
    {"FMC LPC - VITA Standard", "FMC LPC - VITA Standard", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, true},  // 41
    {"FMC HPC - Altera Standard", "FMC HPC - Altera Standard", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, false},  // 42
    {"FMC HPC with XCVR - Altera Standard", "FMC HPC with XCVR - Altera Standard", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true},  // 43
    {"FMC HPC - Altera Standard", "FMC HPC - Altera Standard", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, false},  // 44
    {"FMC HPC with XCVR - Altera Standard", "FMC HPC with XCVR - Altera Standard", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true},  // 45
    {"FMC LPC - Altera Standard", "FMC LPC - Altera Standard", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, false},  // 46
    {"FMC LPC with XCVR - Altera Standard", "FMC LPC with XCVR - Altera Standard", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, true},  // 47
    {"Vossil-FMC", "Vossil-FMC", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, true},  // 48
    {"12G Dortle-FMC", "12G Dortle-FMC", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true},  // 49
    {"Brasket-FMC", "Brasket-FMC", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, false},  // 50
    {"Pashard-FMC Adapter for TI", "Pashard-FMC adpter for TI", CONNECTOR_FMC_HPC, VOLTAGE_2V5, false, true},  // 51
    {"Pashard-FMC + TI ADC34J45 EVM", "Pashard-FMC + TI ADC34J45 EVM", CONNECTOR_FMC_HPC, VOLTAGE_2V5, false, true},  // 52
    {"Wyrsel-FMC", "Wyrsel-FMC", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, false},  // 53
    {"Parnish-FMC", "Parnish-FMC", CONNECTOR_FMC_HPC, VOLTAGE_2V5, false, false},  // 54
    {"Corvish - Multi-Touch LCD Panel", "Corvish", CONNECTOR_GPIO40, VOLTAGE_3V3, true, false},  // 55
    {"HSMC: LVDS Crossover", "Gantrel", CONNECTOR_HSMC, VOLTAGE_2V5, false, false},  // 56
    {"Quillet - J2-Sollip", "Quillet_Sollip", CONNECTOR_HSMC, VOLTAGE_3V3, true, false},  // 57
    {"Quillet - J3-Sollip", "Quillet_Sollip", CONNECTOR_HSMC, VOLTAGE_3V3, true, false},  // 58
    {"Quillet - Both Sollip", "Quillet_Sollip", CONNECTOR_HSMC, VOLTAGE_3V3, true, false},  // 59
    {"Bellock -Multi-Touch/LCD/Camera", "Bellock", CONNECTOR_HSMC, VOLTAGE_2V5, false, false},  // 60
    {"Fermock -Multi-Touch/LCD/Camera", "Fermock", CONNECTOR_HSMC, VOLTAGE_2V5, true, false},  // 61
    {"Pelvin - 2.4\" LCD and Touch", "Pelvin", CONNECTOR_GPIO40, VOLTAGE_2V5, true, false},  // 62
    {"Ravesh - Multi-Touch LCD Panel", "Ravesh", CONNECTOR_GPIO40, VOLTAGE_3V3, true, false},  // 63
    {"Rudgel - Smart Car Daughtercard", "Smart Car", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false},  // 64
    {"Tilvard Daughtercard", "Tilvard", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false},  // 65
    {"Tesvik - Servo Motor Kit", "Servo Motor Kit", CONNECTOR_GPIO40, VOLTAGE_2V5, true, false},  // 66
    {"Omblin - RF and Sensor", "RF and Sensor", CONNECTOR_GPIO40, VOLTAGE_2V5, true, false},  // 67
    {"Arduino Digital", "Arduino Digital", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false},  // 68
    {nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, true, false},  // 69
    {nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, true, false},  // 70
    {nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, true, false},  // 71
    {"Ombrel Default", "Ombrel Default", CONNECTOR_Ombrel_2x6, VOLTAGE_2V5, true, false},  // 72
    {"Ombrel Bluetooth SPP", "Velket-Ombrel", CONNECTOR_Ombrel_2x6, VOLTAGE_2V5, true, false},  // 73
    {"Ferrund-GPIO", "Ferrund-GPIO", CONNECTOR_GPIO40, VOLTAGE_2V5, true, false},  // 74
    {nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, true, false},  // 75 (no card)
    {"Ferrund-FMC", "Ferrund-FMC", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, false},  // 76
    {"DDR4 SODIMM without ECC", nullptr, CONNECTOR_MEMORY_MODULE, VOLTAGE_2V5, true, false},  // 77
    {"DDR4 SODIMM with ECC", nullptr, CONNECTOR_MEMORY_MODULE, VOLTAGE_2V5, true, false},  // 78
    {"Varnholt QDRII+ Module", nullptr, CONNECTOR_MEMORY_MODULE, VOLTAGE_2V5, true, false},  // 79
    {"Varnholt QDRIV Module", nullptr, CONNECTOR_MEMORY_MODULE, VOLTAGE_2V5, true, false},  // 80
    {nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, true, false},  // 81 (no card)
    {"GPIO Default - 2.5V", "GPIO Default - 2.5V", CONNECTOR_GPIO40, VOLTAGE_2V5, true, false},  // 82
    {"GPIO Default - 1.8V", "GPIO Default - 1.8V", CONNECTOR_GPIO40, VOLTAGE_1V8, true, false},  // 83
    {"GPIO Default - 1.5V", "GPIO Default - 1.5V", CONNECTOR_GPIO40, VOLTAGE_1V5, true, false},  // 84
    {"HSMC Default - 3.3V", "HSMC Default - 3.3V", CONNECTOR_HSMC, VOLTAGE_3V3, true, false},  // 85
    {"HSMC Default - 1.8V", "HSMC Default - 1.8V", CONNECTOR_HSMC, VOLTAGE_1V8, true, false},  // 86
    {"HSMC Default - 1.5V", "HSMC Default - 1.5V", CONNECTOR_HSMC, VOLTAGE_1V5, true, false},  // 87
    {"HSMC Default-3.3V w/ Transceiver", "HSMC Default-3.3V w/ Transceiver", CONNECTOR_HSMC, VOLTAGE_3V3, true, true},  // 88
    {"HSMC Default-3.0V w/ Transceiver", "HSMC Default-3.0V w/ Transceiver", CONNECTOR_HSMC, VOLTAGE_3V0, true, true},  // 89
    {"HSMC Default-1.8V w/ Transceiver", "HSMC Default-1.8V w/ Transceiver", CONNECTOR_HSMC, VOLTAGE_1V8, true, true},  // 90
    {"HSMC Default-1.5V w/ Transceiver", "HSMC Default-1.5V w/ Transceiver", CONNECTOR_HSMC, VOLTAGE_1V5, true, true},  // 91
    {nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_3V0, true, false},  // 92
    {"HSMC Default - 3.0V", "HSMC Default - 3.0V", CONNECTOR_HSMC, VOLTAGE_3V0, true, false},  // 93
};

const DaughterBoardInfo* Find(uint8_t id) { return id < DAUGHTER_ID_COUNT ? &kCards[id] : nullptr; }

// Cards whose description differs from their display name (some have none).
struct CardDescription {
    uint8_t id;
    const char* text;
};

constexpr CardDescription kDescriptions[] = {
    {DAUGHTER_GPIO_DEFAULT, "GPIO Default Pin Name"},
    {DAUGHTER_Cobrel, "HSMC Full-HD DVI TX/RX"},
    {DAUGHTER_Wyrsel, "HSMC 10/100/1000 Dual-Port Ethernet"},
    {DAUGHTER_Fobbin, "HSMC 150MSPS-ADC and 250MSPS-DAC"},
    {DAUGHTER_Kobbet_HSMC, "HSMC 65MSPS-ADC and 125MSPS-DAC"},
    {DAUGHTER_Kobbet_GPIO, "GPIO 65MSPS-ADC and 125MSPS-DAC"},
    {DAUGHTER_Kelpin_Brasket, "Kelpin Full-HD HDMI"},
    {DAUGHTER_Quillet_Kelpin, "Kelpin to PIO"},
    {DAUGHTER_Tennel_FIFO, "PIO High-Speed USB (Sync FIFO)"},
    {DAUGHTER_Tennel_NATIVE, "PIO High-Speed USB (Native)"},
    {DAUGHTER_Pemmit, "HSMC Pemmit (HSMC to Santa Cruz)"},
    {DAUGHTER_Brasket_TX, ""},
    {DAUGHTER_Brasket_RX, ""},
    {DAUGHTER_Tranmer, ""},
    {DAUGHTER_Ombrel_DEFAULT, ""},
    {DAUGHTER_Ombrel_Velket, ""},
};

}  // namespace

std::string BoardName(uint8_t id)
{
    const DaughterBoardInfo* card = Find(id);
    return card && card->name ? card->name : "";
}

std::string BoardShortName(uint8_t id)
{
    const DaughterBoardInfo* card = Find(id);
    return card && card->shortName ? card->shortName : "";
}

std::string BoardDescription(uint8_t id)
{
    for (const CardDescription& d : kDescriptions)
        if (d.id == id) return d.text;
    return BoardName(id);
}

uint8_t BoardConnectorType(uint8_t id)
{
    const DaughterBoardInfo* card = Find(id);
    return card ? card->connectorType : CONNECTOR_NONE;
}

bool BoardIsListed(uint8_t id)
{
    const DaughterBoardInfo* card = Find(id);
    return card ? card->listed : true;
}

bool BoardNeedsTransceiver(uint8_t id)
{
    const DaughterBoardInfo* card = Find(id);
    return card ? card->needsTransceiver : false;
}

uint8_t BoardVoltageClass(uint8_t id)
{
    const DaughterBoardInfo* card = Find(id);
    return card ? card->voltageClass : VOLTAGE_2V5;
}

uint8_t BoardIoStandard(int32_t id)
{
    switch (id) {
    case DAUGHTER_HSMC_DEFAULT_3V3:
    case DAUGHTER_HSMC_DEFAULT_XCVR_3V3: return 8;   // 3.3-V LVTTL
    case DAUGHTER_HSMC_DEFAULT_1V8:
    case DAUGHTER_HSMC_DEFAULT_XCVR_1V8: return 3;   // 1.8 V
    case DAUGHTER_HSMC_DEFAULT_1V5:
    case DAUGHTER_HSMC_DEFAULT_XCVR_1V5: return 0;   // 1.5 V
    case DAUGHTER_HSMC_DEFAULT_XCVR_3V0:
    case DAUGHTER_HSMC_DEFAULT_3V0: return 39;       // 3.0-V PCI-X
    default: return 6;                               // 2.5 V
    }
}

bool BoardFitsAnyVoltage(uint8_t id, uint8_t /*voltageClass*/) { return id == DAUGHTER_Quillet_HSMC; }

bool BoardFitsVoltage(uint8_t id, uint8_t voltageClass)
{
    uint8_t type = BoardConnectorType(id);
    if (type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC) {
        if (id == DAUGHTER_FMC_Brasket || id == DAUGHTER_FMC_Wyrsel)
            return voltageClass == VOLTAGE_1V5 || voltageClass == VOLTAGE_1V8 ||
                   voltageClass == VOLTAGE_2V5 || voltageClass == VOLTAGE_3V3;
        if (id == DAUGHTER_Ferrund_FMC)
            return voltageClass == VOLTAGE_1V8 || voltageClass == VOLTAGE_2V5 || voltageClass == VOLTAGE_3V3;
        return true;
    }
    return BoardVoltageClass(id) == voltageClass;
}

bool BoardHasPinMap(uint8_t id)
{
    return id != DAUGHTER_Kelpin_DEFAULT && id != DAUGHTER_QDR2_MODULE && id != DAUGHTER_QDR4_MODULE;
}

bool IsHsmcDefaultCard(uint8_t id)
{
    return id == DAUGHTER_HSMC_DEFAULT || id == DAUGHTER_HSMC_DEFAULT_XCVR ||
           (id >= DAUGHTER_HSMC_DEFAULT_3V3 && id <= DAUGHTER_HSMC_DEFAULT_XCVR_1V5) || id == DAUGHTER_HSMC_DEFAULT_3V0;
}

bool BoardSortsPins(int32_t id) { return id < DAUGHTER_FMC_HPC_VITA || id > DAUGHTER_FMC_LPC_ALTERA_XCVR; }
