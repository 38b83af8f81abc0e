#pragma once
// Every board's headless pair behind one signature: the bytes of a loaded "default.cfg" in,
// the project written. The fuzz target runs it on any input; the GUI tests make its corpus
// seeds from the forms. Header only and free of gtest, since the fuzz target links the core
// library alone.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>

#include "boards/arria10/CONFIG_Abernoll.h"
#include "boards/arria10/CONFIG_DRAVELLE.h"
#include "boards/arria10/CONFIG_Idrenne.h"
#include "boards/arria10/CONFIG_NOBRECHT.h"
#include "boards/cyclone5_max10/CONFIG_Ebbrick.h"
#include "boards/cyclone5_max10/CONFIG_Glenmarch.h"
#include "boards/cyclone5_max10/CONFIG_Jorvale.h"
#include "boards/cyclone5_max10/CONFIG_Kestwin.h"
#include "boards/cyclone5_max10/CONFIG_Lumbrae.h"
#include "boards/cyclone5_max10/CONFIG_Plimmet.h"
#include "boards/cyclone5_max10/CONFIG_Pocklin.h"
#include "boards/cyclone5_max10/CONFIG_Pressel.h"
#include "boards/cyclone5_max10/CONFIG_Tamblin.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "boards/cyclone5_max10/CONFIG_Wistrell.h"
#include "boards/early/CONFIG_FENNICK.h"
#include "boards/early/CONFIG_HARNIX.h"
#include "boards/early/CONFIG_LOTHVAR.h"
#include "boards/early/CONFIG_MIRROW.h"
#include "boards/early/CONFIG_ORLENN.h"
#include "boards/early/CONFIG_PELLISH.h"
#include "boards/early/CONFIG_TIVERNE.h"
#include "boards/early/CONFIG_WEMBREL.h"
#include "boards/stratix4_cyclone4/CONFIG_ASHVORN.h"
#include "boards/stratix4_cyclone4/CONFIG_CORBANTH.h"
#include "boards/stratix4_cyclone4/CONFIG_GORVATH.h"
#include "boards/stratix4_cyclone4/CONFIG_KAVRIN.h"
#include "boards/stratix4_cyclone4/CONFIG_PANDREL.h"
#include "boards/stratix4_cyclone4/CONFIG_RUSKEL.h"
#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X1.h"
#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X2.h"
#include "boards/stratix5/CONFIG_CRESSWIN.h"
#include "boards/stratix5/CONFIG_MORRAST.h"
#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "boards/stratix5/CONFIG_VELLANI.h"
#include "core/model/MainBoard.h"

namespace headless {

// A board's input is its record's bytes; Yastrel_X2's has one byte more, whose low bit is
// the FPGA node its form shows.
struct Board {
    uint8_t id;
    const char* name;
    std::size_t inputSize;
    bool (*generate)(std::span<const uint8_t> input, const std::string& projectFile);
};

// What a pair takes: its record, or the settings class holding it.
template <class Generate>
struct PairOf;
template <class Record>
struct PairOf<bool (*)(const Record&, const std::string&)> {
    using RecordType = Record;
    static bool Call(bool (*generate)(const Record&, const std::string&), const Record& record,
                     const std::string& projectFile)
    {
        return generate(record, projectFile);
    }
};
template <class Settings>
struct PairOf<bool (*)(Settings&, const std::string&)> {
    using RecordType = decltype(Settings::Config);
    static bool Call(bool (*generate)(Settings&, const std::string&), const RecordType& record,
                     const std::string& projectFile)
    {
        Settings settings;
        settings.Config = record;
        return generate(settings, projectFile);
    }
};

// The record as the form holds it when its Generate runs: loaded as it stands, with BoardId
// and Size written anew.
template <class Record>
Record AsLoaded(std::span<const uint8_t> input, uint8_t id)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    Record record;
    std::memcpy(&record, input.data(), sizeof record);
    record.BoardId = id;
    record.Size = sizeof(Record);
    return record;
}

template <uint8_t Id, auto Generate>
bool Run(std::span<const uint8_t> input, const std::string& projectFile)
{
    using Pair = PairOf<decltype(Generate)>;
    return Pair::Call(Generate, AsLoaded<typename Pair::RecordType>(input, Id), projectFile);
}

inline bool RunYastrel_X2(std::span<const uint8_t> input, const std::string& projectFile)
{
    const int node = input[sizeof(YASTREL_X2_CONFIG)] & 1;
    return GenerateYastrel_X2Project(AsLoaded<YASTREL_X2_CONFIG>(input, MAINBOARD_Yastrel_X2), node, projectFile);
}

template <uint8_t Id, auto Generate>
constexpr Board Row(const char* name)
{
    return {Id, name, sizeof(typename PairOf<decltype(Generate)>::RecordType), &Run<Id, Generate>};
}

// In board-id order.
inline constexpr Board kBoards[] = {
    Row<MAINBOARD_Harnix, &GenerateHarnixProject>("Harnix"),
    Row<MAINBOARD_Fennick, &GenerateFennickProject>("Fennick"),
    Row<MAINBOARD_Mirrow, &GenerateMirrowProject>("Mirrow"),
    Row<MAINBOARD_Pellish, &GeneratePellishProject>("Pellish"),
    Row<MAINBOARD_Kavrin, &GenerateKavrinProject>("Kavrin"),
    Row<MAINBOARD_Orlenn, &GenerateOrlennProject>("Orlenn"),
    {MAINBOARD_Yastrel_X2, "Yastrel_X2", sizeof(YASTREL_X2_CONFIG) + 1, &RunYastrel_X2},
    Row<MAINBOARD_Yastrel_X1, &GenerateYastrel_X1Project>("Yastrel_X1"),
    Row<MAINBOARD_Corbanth, &GenerateCorbanthProject>("Corbanth"),
    Row<MAINBOARD_Ruskel, &GenerateRuskelProject>("Ruskel"),
    Row<MAINBOARD_Wembrel, &GenerateWembrelProject>("Wembrel"),
    Row<MAINBOARD_Pandrel, &GeneratePandrelProject>("Pandrel"),
    Row<MAINBOARD_Gorvath, &GenerateGorvathProject>("Gorvath"),
    Row<MAINBOARD_Ashvorn, &GenerateAshvornProject>("Ashvorn"),
    Row<MAINBOARD_Morrast, &GenerateMorrastProject>("Morrast"),
    Row<MAINBOARD_Sarnoth, &GenerateSarnothProject>("Sarnoth"),
    Row<MAINBOARD_Cresswin, &GenerateCresswinProject>("Cresswin"),
    Row<MAINBOARD_Jorvale, &GenerateJorvaleProject>("Jorvale"),
    Row<MAINBOARD_Plimmet, &GeneratePlimmetProject>("Plimmet"),
    Row<MAINBOARD_Glenmarch, &GenerateGlenmarchProject>("Glenmarch"),
    Row<MAINBOARD_Wistrell, &GenerateWistrellProject>("Wistrell"),
    Row<MAINBOARD_Kestwin, &GenerateKestwinProject>("Kestwin"),
    Row<MAINBOARD_Lumbrae, &GenerateLumbraeProject>("Lumbrae"),
    Row<MAINBOARD_Ebbrick, &GenerateEbbrickProject>("Ebbrick"),
    Row<MAINBOARD_Tamblin, &GenerateTamblinProject>("Tamblin"),
    Row<MAINBOARD_Nobrecht, &GenerateNobrechtProject>("Nobrecht"),
    Row<MAINBOARD_Dravelle, &GenerateDravelleProject>("Dravelle"),
    Row<MAINBOARD_Pocklin, &GeneratePocklinProject>("Pocklin"),
    Row<MAINBOARD_Vellani, &GenerateVellaniProject>("Vellani"),
    Row<MAINBOARD_Pressel, &GeneratePresselProject>("Pressel"),
    Row<MAINBOARD_Abernoll, &GenerateAbernollProject>("Abernoll"),
    Row<MAINBOARD_Ulvarin, &GenerateUlvarinProject>("Ulvarin"),
    Row<MAINBOARD_Idrenne, &GenerateIdrenneProject>("Idrenne"),
    Row<MAINBOARD_Tiverne, &GenerateTiverneProject>("Tiverne"),
    Row<MAINBOARD_Lothvar, &GenerateLothvarProject>("Lothvar"),
};

// The board an input's first byte, its board id, chooses; nullptr for an id without a pair.
inline const Board* FindBoard(uint8_t id)
{
    for (const Board& board : kBoards)
        if (board.id == id) return &board;
    return nullptr;
}

}  // namespace headless
