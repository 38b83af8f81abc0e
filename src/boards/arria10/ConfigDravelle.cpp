#include "boards/arria10/ConfigDravelle.h"

#include <cstring>

#include "boards/arria10/ConfigNobrecht.h"
#include "boards/arria10/Si5340.h"
#include "core/model/MainBoard.h"
#include "core/model/RecordBytes.h"
#include "core/settings/RecordFile.h"
#include "core/settings/RecordText.h"

namespace {

using si5340::Termination;
using si5340::TerminationRow;

constexpr TerminationRow kMemoryTerminations[] = {
    {offsetof(DRAVELLE_CONFIG, bDDR4_0), {{Termination::InputDifferential, "DDR4A_REFCLK_p"}}},
    {offsetof(DRAVELLE_CONFIG, bDDR4_1), {{Termination::InputDifferential, "DDR4B_REFCLK_p"}}},
};

// The Si5340B settings by selector code: five memory frequencies for each QDRII+ one.
constexpr const char* kSi5340BMacros[] = {
    "DDR300_QDR275_PCIE100",
    "DDR266_QDR275_PCIE100",
    "DDR233_QDR275_PCIE100",
    "DDR200_QDR275_PCIE100",
    "DDR150_QDR275_PCIE100",
    "DDR300_QDR250_PCIE100",
    "DDR266_QDR250_PCIE100",
    "DDR233_QDR250_PCIE100",
    "DDR200_QDR250_PCIE100",
    "DDR150_QDR250_PCIE100",
    "DDR300_QDR225_PCIE100",
    "DDR266_QDR225_PCIE100",
    "DDR233_QDR225_PCIE100",
    "DDR200_QDR225_PCIE100",
    "DDR150_QDR225_PCIE100",
    "DDR300_QDR233_PCIE100",
    "DDR266_QDR233_PCIE100",
    "DDR233_QDR233_PCIE100",
    "DDR200_QDR233_PCIE100",
    "DDR150_QDR233_PCIE100",
};

// The memory part of the selector name by DDR4 choice; "Not Use" and a code outside the list
// take the chip's default setting.
constexpr const char* kMemoryParts[] = {"DDR266_", "DDR150_", "DDR200_", "DDR233_", "DDR266_", "DDR300_"};

constexpr si5340::TopLevelStyle kStyle = {"CLK_50_B2J", "3'd", nullptr, "config_done", "5'd", kSi5340BMacros};

constexpr si5340::ResourcePrefixes kResources = {"ddr4_nobrecht_", "ddr4_", "ddr4_"};

// The rows shared with Nobrecht name fields by Nobrecht's offsets.
static_assert(offsetof(DRAVELLE_CONFIG, bQdrA) == offsetof(NOBRECHT_CONFIG, bQdrA));
static_assert(offsetof(DRAVELLE_CONFIG, bPceiClk) == offsetof(NOBRECHT_CONFIG, bPceiClk));
static_assert(offsetof(DRAVELLE_CONFIG, bQsfpD) == offsetof(NOBRECHT_CONFIG, bQsfpD));

}  // namespace

TConfigDravelle::TConfigDravelle() = default;

TConfigDravelle::~TConfigDravelle() = default;

TConfigDravelle::DRAVELLE_CONFIG TConfigDravelle::DefaultConfig()
{
    DRAVELLE_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Dravelle;
    c.Size = sizeof(DRAVELLE_CONFIG);
    WriteRecordText(c.szProjectName, "NOBRECHT");
    c.bOSC = c.bLED = c.bSeg7 = c.bButton = c.bSwitch = c.bTemp = c.bPower = c.bFan = c.bFlash = c.bTPS40428 = 1;
    return c;
}

bool TConfigDravelle::LoadFromFile(const std::string& fileName) { return LoadRecord(fileName, Config); }

bool TConfigDravelle::SaveToFile(const std::string& fileName) { return SaveRecord(fileName, Config); }

std::string TConfigDravelle::GetQsfSettings() { return QsfTerminations() + QsfSi5340Includes(); }

std::string TConfigDravelle::GetTopLevelCode()
{
    std::string text;
    const auto& a = Config.nSi5340A;
    if (IsSi5340AUsed()) text += Si5340AVerilog(a[0], a[1], a[2], a[3]);
    if (IsSi5340BUsed()) text += Si5340BVerilog(Config.nSi5340B[0], Config.nSi5340B[1], Config.nSi5340B[2]);
    return text;
}

ExportResult TConfigDravelle::ExportVerilogIP(const std::string& projectFolder)
{
    return si5340::ExportControllerFiles(projectFolder, IsSi5340AUsed(), IsSi5340BUsed(), kResources);
}

std::span<const uint8_t> TConfigDravelle::RecordBytes() const { return BytesOfRecord(Config); }

std::string TConfigDravelle::QsfTerminations() const
{
    return si5340::QsfTerminations(RecordBytes(), {kMemoryTerminations, TConfigNobrecht::QdrPcieQsfpTerminations()});
}

std::string TConfigDravelle::QsfSi5340Includes() const { return si5340::QsfIncludes(IsSi5340AUsed(), IsSi5340BUsed()); }

std::string TConfigDravelle::Si5340AVerilog(int32_t out0, int32_t out1, int32_t out2, int32_t out3) const
{
    return si5340::Si5340AVerilog({out0, out1, out2, out3}, kStyle);
}

std::string TConfigDravelle::Si5340BVerilog(int32_t memory, int32_t qdr, int32_t /*pcie: always 100 MHz*/) const
{
    return si5340::Si5340BVerilog(std::string(si5340::NameOf(kMemoryParts, memory)) +
                                      TConfigNobrecht::SelectorQdrPart(qdr) + "PCIE100",
                                  kStyle);
}

std::string TConfigDravelle::Si5340ADefineName(int32_t code) { return si5340::Si5340ADefineName(code); }

bool TConfigDravelle::IsSi5340AUsed() const
{
    const auto& a = Config.nSi5340A;
    return a[0] != 0 || a[1] != 0 || a[2] != 0 || a[3] != 0;
}

bool TConfigDravelle::IsSi5340BUsed() const
{
    const auto& b = Config.nSi5340B;
    return b[0] != 0 || b[1] != 0 || b[2] != 0;
}

double TConfigDravelle::Si5340AFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableA, code); }

double TConfigDravelle::Si5340BDdrFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableBDdr4, code); }

double TConfigDravelle::Si5340BQdrFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableBQdr, code); }

double TConfigDravelle::Si5340BPcieFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableBPcie, code); }
