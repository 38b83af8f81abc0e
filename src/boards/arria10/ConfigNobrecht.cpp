#include "boards/arria10/ConfigNobrecht.h"

#include <cstring>

#include "boards/arria10/Si5340.h"
#include "core/model/MainBoard.h"
#include "core/model/RecordBytes.h"
#include "core/settings/RecordFile.h"
#include "core/settings/RecordText.h"

namespace {

using si5340::Termination;
using si5340::TerminationRow;
constexpr Termination T1 = Termination::InputDifferential;
constexpr Termination T2 = Termination::RefclkDcCoupling;
constexpr Termination T3 = Termination::RefclkAcCoupling;
constexpr Termination T4 = Termination::TransceiverIo100Ohms;

constexpr TerminationRow kMemoryTerminations[] = {
    {offsetof(NOBRECHT_CONFIG, bDDR3_0), {{T1, "DDR3A_REFCLK_p"}}},
    {offsetof(NOBRECHT_CONFIG, bDDR3_1), {{T1, "DDR3B_REFCLK_p"}}},
};

constexpr TerminationRow kQdrPcieQsfpTerminations[] = {
    {offsetof(NOBRECHT_CONFIG, bQdrA), {{T1, "QDRIIA_REFCLK_p"}}},
    {offsetof(NOBRECHT_CONFIG, bQdrB), {{T1, "QDRIIB_REFCLK_p"}}},
    {offsetof(NOBRECHT_CONFIG, bQdrC), {{T1, "QDRIIC_REFCLK_p"}}},
    {offsetof(NOBRECHT_CONFIG, bQdrD), {{T1, "QDRIID_REFCLK_p"}}},
    {offsetof(NOBRECHT_CONFIG, bPCIe), {{T2, "PCIE_REFCLK_p"}, {T4, "PCIE_TX_p"}, {T4, "PCIE_RX_p"}}},
    {offsetof(NOBRECHT_CONFIG, bPceiClk), {{T3, "OB_PCIE_REFCLK_p"}}},
    {offsetof(NOBRECHT_CONFIG, bQsfpA), {{T3, "QSFPA_REFCLK_p"}, {T4, "QSFPA_RX_p"}, {T4, "QSFPA_TX_p"}}},
    {offsetof(NOBRECHT_CONFIG, bQsfpB), {{T3, "QSFPB_REFCLK_p"}, {T4, "QSFPB_RX_p"}, {T4, "QSFPB_TX_p"}}},
    {offsetof(NOBRECHT_CONFIG, bQsfpC), {{T3, "QSFPC_REFCLK_p"}, {T4, "QSFPC_RX_p"}, {T4, "QSFPC_TX_p"}}},
    {offsetof(NOBRECHT_CONFIG, bQsfpD), {{T3, "QSFPD_REFCLK_p"}, {T4, "QSFPD_RX_p"}, {T4, "QSFPD_TX_p"}}},
};

// The Si5340B settings by selector code: one memory and one QDRII+ frequency each.
constexpr const char* kSi5340BMacros[] = {
    "DDR266_QDR275_PCIE100",
    "DDR233_QDR275_PCIE100",
    "DDR200_QDR275_PCIE100",
    "DDR266_QDR250_PCIE100",
    "DDR233_QDR250_PCIE100",
    "DDR200_QDR250_PCIE100",
    "DDR266_QDR225_PCIE100",
    "DDR233_QDR225_PCIE100",
    "DDR200_QDR225_PCIE100",
    "DDR266_QDR233_PCIE100",
    "DDR233_QDR233_PCIE100",
    "DDR200_QDR233_PCIE100",
};

// The parts of the Si5340B selector name by choice; "Not Use" and a code outside the list
// take the chip's default setting.
constexpr const char* kMemoryParts[] = {"DDR266_", "DDR200_", "DDR233_", "DDR266_"};
constexpr const char* kQdrParts[] = {"QDR275_", "QDR225_", "QDR233_", "QDR250_", "QDR275_"};

constexpr si5340::TopLevelStyle kStyle = {"CLK_50_B2J", "3'h", nullptr, "config_done", "4'h", kSi5340BMacros};

constexpr si5340::ResourcePrefixes kResources = {"nobrecht_", "", ""};

}  // namespace

TConfigNobrecht::TConfigNobrecht() = default;

TConfigNobrecht::~TConfigNobrecht() = default;

TConfigNobrecht::NOBRECHT_CONFIG TConfigNobrecht::DefaultConfig()
{
    NOBRECHT_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Nobrecht;
    c.BoardVariant = 0;
    c.Size = sizeof(NOBRECHT_CONFIG);
    WriteRecordText(c.szProjectName, "NOBRECHT");
    c.bOSC = c.bLED = c.bSeg7 = c.bButton = c.bSwitch = c.bTemp = c.bPower = c.bFan = c.bFlash = c.bRs422 = 1;
    return c;
}

bool TConfigNobrecht::LoadFromFile(const std::string& fileName) { return LoadRecord(fileName, Config); }

bool TConfigNobrecht::SaveToFile(const std::string& fileName) { return SaveRecord(fileName, Config); }

std::string TConfigNobrecht::GetQsfSettings() { return QsfTerminations() + QsfSi5340Includes(); }

std::string TConfigNobrecht::GetTopLevelCode()
{
    std::string text;
    const auto& a = Config.nSi5340A;
    if (IsSi5340AUsed()) text += Si5340AVerilog(a[0], a[1], a[2], a[3]);
    if (IsSi5340BUsed()) text += Si5340BVerilog(Config.nSi5340B[0], Config.nSi5340B[1], Config.nSi5340B[2]);
    return text;
}

ExportResult TConfigNobrecht::ExportVerilogIP(const std::string& projectFolder)
{
    return si5340::ExportControllerFiles(projectFolder, IsSi5340AUsed(), IsSi5340BUsed(), kResources);
}

std::span<const uint8_t> TConfigNobrecht::RecordBytes() const { return BytesOfRecord(Config); }

std::span<const TerminationRow> TConfigNobrecht::QdrPcieQsfpTerminations() { return kQdrPcieQsfpTerminations; }

const char* TConfigNobrecht::SelectorQdrPart(int32_t code) { return si5340::NameOf(kQdrParts, code); }

std::string TConfigNobrecht::QsfTerminations() const
{
    return si5340::QsfTerminations(RecordBytes(), {kMemoryTerminations, kQdrPcieQsfpTerminations});
}

std::string TConfigNobrecht::QsfSi5340Includes() const { return si5340::QsfIncludes(IsSi5340AUsed(), IsSi5340BUsed()); }

std::string TConfigNobrecht::Si5340AVerilog(int32_t out0, int32_t out1, int32_t out2, int32_t out3) const
{
    return si5340::Si5340AVerilog({out0, out1, out2, out3}, kStyle);
}

std::string TConfigNobrecht::Si5340BVerilog(int32_t memory, int32_t qdr, int32_t /*pcie: always 100 MHz*/) const
{
    return si5340::Si5340BVerilog(
        std::string(si5340::NameOf(kMemoryParts, memory)) + SelectorQdrPart(qdr) + "PCIE100", kStyle);
}

std::string TConfigNobrecht::Si5340ADefineName(int32_t code) { return si5340::Si5340ADefineName(code); }

bool TConfigNobrecht::IsSi5340AUsed() const
{
    const auto& a = Config.nSi5340A;
    return a[0] != 0 || a[1] != 0 || a[2] != 0 || a[3] != 0;
}

bool TConfigNobrecht::IsSi5340BUsed() const
{
    const auto& b = Config.nSi5340B;
    return b[0] != 0 || b[1] != 0 || b[2] != 0;
}

double TConfigNobrecht::Si5340AFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableA, code); }

double TConfigNobrecht::Si5340BDdrFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableBDdr3, code); }

double TConfigNobrecht::Si5340BQdrFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableBQdr, code); }

double TConfigNobrecht::Si5340BPcieFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableBPcie, code); }
