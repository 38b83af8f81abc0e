#include "boards/stratix5/StratixVGroups.h"

#include <vector>

#include "boards/stratix5/StratixVClockCodes.h"
#include "cards/CardMap.h"
#include "core/generate/ClockFrequencies.h"
#include "core/model/BoardDefinition.h"
#include "platform/Format.h"

namespace stratix5 {

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V2_5 = 6;               // "2.5 V"
constexpr uint8_t HSTL18_I = 4;           // "1.8-V HSTL Class I"
constexpr uint8_t DIFF_HSTL18_I = 14;     // "Differential 1.8-V HSTL Class I"
constexpr uint8_t PCML1_5 = 36;           // "1.5-V PCML"
constexpr uint8_t HCSL = 37;              // "HCSL"

// Rows made at run time: the names and locations live here while the rows point at them.
class RowBuilder {
public:
    // A pin or a bus of `width` members, the first at `first`, the others unknown.
    void Add(std::string signals, uint8_t dir, uint8_t std, const char* first, int width = 1)
    {
        std::string locations = first;
        if (width > 1) locations += platform::Format(" ?*%d", width - 1);
        m_texts.push_back({std::move(signals), std::move(locations), dir, std});
    }
    TConnector* AddTo(TMainBoard& board, const std::string& name) const
    {
        std::vector<BoardPinRow> rows;
        rows.reserve(m_texts.size());
        for (const Texts& t : m_texts) rows.push_back({t.signals.c_str(), t.dir, t.std, t.locations.c_str()});
        return AddBoardGroup(board, name, rows);
    }

private:
    struct Texts {
        std::string signals;
        std::string locations;
        uint8_t dir;
        uint8_t std;
    };
    std::vector<Texts> m_texts;
};

}  // namespace

TConnector* AddPcieGroup(TMainBoard& board, const PcieLocations& at)
{
    RowBuilder rows;
    for (int lane = 0; lane < 8; ++lane) {
        rows.Add(platform::Format("PCIE_RX_p[%d]", lane), in, PCML1_5, lane == 0 ? at.rx0 : LOCATION_UNKNOWN);
        rows.Add(platform::Format("PCIE_TX_p[%d]", lane), out, PCML1_5, lane == 0 ? at.tx0 : LOCATION_UNKNOWN);
    }
    rows.Add("PCIE_REFCLK_p", in, HCSL, at.refClock);
    rows.Add("PCIE_PERST_n", in, V2_5, at.perst);
    rows.Add("PCIE_WAKE_n", out, V2_5, at.wake);
    rows.Add("PCIE_SMBCLK", inout, V2_5, at.smbClock);
    rows.Add("PCIE_SMBDAT", inout, V2_5, at.smbData);
    return rows.AddTo(board, "PCIe x 8");
}

TConnector* AddSfpPortGroup(TMainBoard& board, const SfpPortLocations& at)
{
    const char p = at.port;
    RowBuilder rows;
    rows.Add(platform::Format("SFP%c_TX_p", p), out, PCML1_5, at.txP);
    rows.Add(platform::Format("SFP%c_RX_p", p), in, PCML1_5, at.rxP);
    rows.Add(platform::Format("SFP%c_RATESEL[0..1]", p), out, V2_5, at.rateSel0, 2);
    rows.Add(platform::Format("SFP%c_LOS", p), in, V2_5, at.los);
    rows.Add(platform::Format("SFP%c_MOD0_PRSNT_n", p), in, V2_5, at.mod0Present);
    rows.Add(platform::Format("SFP%c_MOD1_SCL", p), out, V2_5, at.mod1Scl);
    rows.Add(platform::Format("SFP%c_MOD2_SDA", p), inout, V2_5, at.mod2Sda);
    rows.Add(platform::Format("SFP%c_TXDISABLE", p), out, V2_5, at.txDisable);
    rows.Add(platform::Format("SFP%c_TXFAULT", p), in, V2_5, at.txFault);
    return rows.AddTo(board, platform::Format("SFP+ %c", p));
}

TConnector* AddQdrModuleGroup(TMainBoard& board, const QdrModuleLocations& at)
{
    const char m = at.module;
    RowBuilder rows;
    rows.Add(platform::Format("QDRII%c_A[0..20]", m), out, HSTL18_I, at.a0, 21);
    rows.Add(platform::Format("QDRII%c_D[0..17]", m), out, HSTL18_I, at.d0, 18);
    rows.Add(platform::Format("QDRII%c_Q[0..17]", m), in, HSTL18_I, at.q0, 18);
    rows.Add(platform::Format("QDRII%c_BWS_n[0..1]", m), out, HSTL18_I, at.bws0, 2);
    rows.Add(platform::Format("QDRII%c_K_p", m), out, DIFF_HSTL18_I, at.kP);
    rows.Add(platform::Format("QDRII%c_K_n", m), out, DIFF_HSTL18_I, at.kN);
    rows.Add(platform::Format("QDRII%c_CQ_p", m), in, HSTL18_I, at.cqP);
    rows.Add(platform::Format("QDRII%c_CQ_n", m), in, HSTL18_I, at.cqN);
    rows.Add(platform::Format("QDRII%c_DOFF_n", m), out, HSTL18_I, at.doff);
    rows.Add(platform::Format("QDRII%c_ODT", m), out, HSTL18_I, at.odt);
    rows.Add(platform::Format("QDRII%c_QVLD", m), in, HSTL18_I, at.qvld);
    rows.Add(platform::Format("QDRII%c_RPS_n", m), out, HSTL18_I, at.rps);
    rows.Add(platform::Format("QDRII%c_WPS_n", m), out, HSTL18_I, at.wps);
    return rows.AddTo(board, platform::Format("QDRII+ SRAM %c", m));
}

void AddReferenceClock(TConnector& group, const char* name, const char* location, const std::string& frequency)
{
    const BoardPinRow row[] = {
        frequency.empty() ? BoardPinRow{name, in, HCSL, location}
                          : BoardPinRow{name, in, HCSL, location, ClockText(frequency.c_str())},
    };
    AddBoardPins(group, row);
}

std::string Si570FrequencyText(int32_t choice)
{
    const double mhz = Si570Frequency(Si570Code(choice));
    return mhz > 0 ? platform::Format("%.5f MHz", mhz) : std::string();
}

std::string CdcmFrequencyText(int32_t choice)
{
    const double mhz = CdcmFrequency(Cdcm61004Code(choice));
    return mhz > 0 ? platform::Format("%.2f MHz", mhz) : std::string();
}

}  // namespace stratix5
