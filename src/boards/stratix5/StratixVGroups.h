#pragma once
// The pin groups the Stratix V boards build alike: the same signals on each board, at the
// board's own locations. A board passes its locations (a bus gets its first one; the later
// members are unknown), in the column order of the board's data.
#include <cstdint>
#include <string>

#include "core/model/MainBoard.h"

namespace stratix5 {

// "PCIe x 8": the eight lanes' receive and transmit pins, lane by lane, then the reference
// clock and the four side-band pins.
struct PcieLocations {
    const char* rx0;
    const char* tx0;
    const char* refClock;
    const char* perst;
    const char* wake;
    const char* smbClock;
    const char* smbData;
};
TConnector* AddPcieGroup(TMainBoard& board, const PcieLocations& at);

// "SFP+ %c": one port's nine signals.
struct SfpPortLocations {
    char port;
    const char* txP;
    const char* rxP;
    const char* rateSel0;
    const char* los;
    const char* mod0Present;
    const char* mod1Scl;
    const char* mod2Sda;
    const char* txDisable;
    const char* txFault;
};
TConnector* AddSfpPortGroup(TMainBoard& board, const SfpPortLocations& at);

// "QDRII+ SRAM %c": one module's buses and single pins.
struct QdrModuleLocations {
    char module;
    const char* a0;
    const char* d0;
    const char* q0;
    const char* bws0;
    const char* kP;
    const char* kN;
    const char* cqP;
    const char* cqN;
    const char* doff;
    const char* odt;
    const char* qvld;
    const char* rps;
    const char* wps;
};
TConnector* AddQdrModuleGroup(TMainBoard& board, const QdrModuleLocations& at);

// Appends one input at "HCSL" to a group: a transceiver reference clock, marked as a clock
// with the frequency text when there is one, else a plain input.
void AddReferenceClock(TConnector& group, const char* name, const char* location, const std::string& frequency);

// The frequency texts of the reference clocks the oscillators feed; empty for "not used" (and
// for a value outside the list, which counts as that).
std::string Si570FrequencyText(int32_t choice);  // "156.25000 MHz"
std::string CdcmFrequencyText(int32_t choice);   // CDCM61004 of Cresswin and Morrast: "100.00 MHz"

}  // namespace stratix5
