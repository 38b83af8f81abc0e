#include "boards/arria10/ConfigAbernoll.h"

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

constexpr TerminationRow kTerminations[] = {
    {offsetof(ABERNOLL_CONFIG, bQdrA), {{T1, "QDRIIA_REFCLK_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQdrB), {{T1, "QDRIIB_REFCLK_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQdrC), {{T1, "QDRIIC_REFCLK_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQdrD), {{T1, "QDRIID_REFCLK_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQdrE), {{T1, "QDRIIE_REFCLK_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQdrF), {{T1, "QDRIIF_REFCLK_p"}}},
    {offsetof(ABERNOLL_CONFIG, bPCIe), {{T2, "PCIE_REFCLK_p"}, {T4, "PCIE_TX_p"}, {T4, "PCIE_RX_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQsfpA), {{T3, "QSFPA_REFCLK_p"}, {T4, "QSFPA_RX_p"}, {T4, "QSFPA_TX_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQsfpB), {{T3, "QSFPB_REFCLK_p"}, {T4, "QSFPB_RX_p"}, {T4, "QSFPB_TX_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQsfpC), {{T3, "QSFPC_REFCLK_p"}, {T4, "QSFPC_RX_p"}, {T4, "QSFPC_TX_p"}}},
    {offsetof(ABERNOLL_CONFIG, bQsfpD), {{T3, "QSFPD_REFCLK_p"}, {T4, "QSFPD_RX_p"}, {T4, "QSFPD_TX_p"}}},
};

// The Si5340B settings by selector code: one frequency on all three QDRII+ reference clocks.
constexpr const char* kSi5340BMacros[] = {"REFCLK_QDR275", "REFCLK_QDR250", "REFCLK_QDR225"};

// The selector name by QDRII+ choice; "Not Use" and a code outside the list take the chip's
// default setting.
constexpr const char* kSelectorNames[] = {"REFCLK_QDR275", "REFCLK_QDR225", "REFCLK_QDR250", "REFCLK_QDR275"};

constexpr si5340::TopLevelStyle kStyle = {"CLK_50_B2F", "3'h", "si5340a_config_done", "si5340b_config_done", "4'h",
                                          kSi5340BMacros};

constexpr si5340::ResourcePrefixes kResources = {"abernoll_", "abernoll_", "abernoll_"};

}  // namespace

TConfigAbernoll::TConfigAbernoll() = default;

TConfigAbernoll::~TConfigAbernoll() = default;

TConfigAbernoll::ABERNOLL_CONFIG TConfigAbernoll::DefaultConfig()
{
    ABERNOLL_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Abernoll;
    c.Size = sizeof(ABERNOLL_CONFIG);
    WriteRecordText(c.szProjectName, "Abernoll");
    c.bOSC = c.bLED = c.bButton = c.bSwitch = c.bTemp = c.bPower = c.bFan = c.bFlash = 1;
    return c;
}

bool TConfigAbernoll::LoadFromFile(const std::string& fileName) { return LoadRecord(fileName, Config); }

bool TConfigAbernoll::SaveToFile(const std::string& fileName) { return SaveRecord(fileName, Config); }

std::string TConfigAbernoll::GetQsfSettings() { return QsfTerminations() + QsfSi5340Includes(); }

std::string TConfigAbernoll::GetTopLevelCode()
{
    std::string text;
    const auto& a = Config.nSi5340A;
    if (IsSi5340AUsed()) text += Si5340AVerilog(a[0], a[1], a[2], a[3]);
    if (IsSi5340BUsed()) text += Si5340BVerilog(Config.nSi5340B_QDRII);
    return text;
}

ExportResult TConfigAbernoll::ExportVerilogIP(const std::string& projectFolder)
{
    return si5340::ExportControllerFiles(projectFolder, IsSi5340AUsed(), IsSi5340BUsed(), kResources);
}

std::span<const uint8_t> TConfigAbernoll::RecordBytes() const { return BytesOfRecord(Config); }

std::string TConfigAbernoll::QsfTerminations() const { return si5340::QsfTerminations(RecordBytes(), {kTerminations}); }

std::string TConfigAbernoll::QsfSi5340Includes() const { return si5340::QsfIncludes(IsSi5340AUsed(), IsSi5340BUsed()); }

std::string TConfigAbernoll::Si5340AVerilog(int32_t out0, int32_t out1, int32_t out2, int32_t out3) const
{
    return si5340::Si5340AVerilog({out0, out1, out2, out3}, kStyle);
}

std::string TConfigAbernoll::Si5340BVerilog(int32_t qdr) const
{
    return si5340::Si5340BVerilog(si5340::NameOf(kSelectorNames, qdr), kStyle);
}

std::string TConfigAbernoll::Si5340ADefineName(int32_t code) { return si5340::Si5340ADefineName(code); }

bool TConfigAbernoll::IsSi5340AUsed() const
{
    const auto& a = Config.nSi5340A;
    return a[0] != 0 || a[1] != 0 || a[2] != 0 || a[3] != 0;
}

bool TConfigAbernoll::IsSi5340BUsed() const { return Config.nSi5340B_QDRII != 0; }

double TConfigAbernoll::Si5340AFrequency(uint8_t code) { return si5340::Frequency(si5340::kTableA, code); }

double TConfigAbernoll::Si5340BQdrFrequency(uint8_t code)
{
    return si5340::Frequency(si5340::kTableBQdrAbernoll, code);
}
