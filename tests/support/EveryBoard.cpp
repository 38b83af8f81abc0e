#include "EveryBoard.h"

#include <cstring>
#include <stdexcept>

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
#include "boards/cyclone5_max10/KestwinFamily.h"
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
#include "boards/stratix5/ConfigVellani.h"
#include "boards/stratix5/StratixVClockCodes.h"
#include "core/model/BoardDefinition.h"

namespace boardtest {
namespace {

// The record with every byte from `first` to `last` set: the run of group flags a form's
// check boxes write.
template <class R>
R Ticked(R record, uint8_t R::*first, uint8_t R::*last)
{
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    const auto from = reinterpret_cast<uint8_t*>(&(record.*first)) - bytes;
    const auto to = reinterpret_cast<uint8_t*>(&(record.*last)) - bytes;
    std::memset(bytes + from, 1, static_cast<std::size_t>(to - from + 1));
    return record;
}

// The same record once per value of one of its fields.
template <class R, class F>
std::vector<R> Each(const R& record, F R::*field, std::initializer_list<F> values)
{
    std::vector<R> records;
    for (F value : values) {
        records.push_back(record);
        records.back().*field = value;
    }
    return records;
}

template <class R>
BoardUnderTest Board(std::string name, uint8_t id, const std::vector<R>& bases,
                     std::vector<CardChoice> (*choices)(const R&), void (*build)(const R&, const BoardUse&),
                     bool (*generate)(const R&, const std::string&), void (*define)(const R&, const BoardUse&))
{
    BoardUnderTest board{std::move(name), id, {}, nullptr, nullptr, nullptr, {}, nullptr};
    for (const R& base : bases) board.bases.push_back(Bytes(base));
    board.choices = [choices](const Record& bytes) { return choices(As<R>(bytes)); };
    board.build = [build](const Record& bytes, const BoardUse& use) { build(As<R>(bytes), use); };
    board.generate = [generate](const Record& bytes, const std::string& file) { return generate(As<R>(bytes), file); };
    board.define = [define](const Record& bytes, const BoardUse& use) { define(As<R>(bytes), use); };
    return board;
}

// One clock-chip choice: the base once per value from 0 to count - 1.
template <class R>
BoardUnderTest::ClockChip Chip(std::string name, const R& base, int32_t count,
                               const std::function<void(R&, int32_t)>& choose)
{
    BoardUnderTest::ClockChip chip{std::move(name), {}};
    for (int32_t value = 0; value < count; ++value) {
        R record = base;
        choose(record, value);
        chip.records.push_back(Bytes(record));
    }
    return chip;
}

// The Si5340 choices of the Arria 10 boards, each output of chip A and of chip B, with as
// many values as the longest list of that chip has entries.
template <class R>
std::vector<BoardUnderTest::ClockChip> Si5340Chips(const R& base)
{
    constexpr int32_t kValuesA = 8, kValuesB = 6;
    std::vector<BoardUnderTest::ClockChip> chips;
    for (std::size_t output = 0; output < std::size(base.nSi5340A); ++output)
        chips.push_back(Chip<R>("Si5340A output " + std::to_string(output), base, kValuesA,
                                [output](R& r, int32_t value) { r.nSi5340A[output] = value; }));
    if constexpr (requires { base.nSi5340B_QDRII; }) {
        chips.push_back(Chip<R>("Si5340B", base, kValuesB, [](R& r, int32_t value) { r.nSi5340B_QDRII = value; }));
    } else {
        for (std::size_t output = 0; output < std::size(base.nSi5340B); ++output)
            chips.push_back(Chip<R>("Si5340B output " + std::to_string(output), base, kValuesB,
                                    [output](R& r, int32_t value) { r.nSi5340B[output] = value; }));
    }
    return chips;
}

// The Stratix V boards' Si570 and CDCM choices; Sarnoth's two CDCM chips take the
// external-PLL codes.
template <class R>
std::vector<BoardUnderTest::ClockChip> StratixVChips(const R& base)
{
    std::vector<BoardUnderTest::ClockChip> chips{
        Chip<R>("Si570", base, kSi570CodeCount, [](R& r, int32_t value) { r.nSi570 = value; })};
    if constexpr (requires { base.nCdcm61001; }) {
        chips.push_back(Chip<R>("CDCM61004", base, kExtPllCodeCount, [](R& r, int32_t value) { r.nCdcm61004 = value; }));
        chips.push_back(Chip<R>("CDCM61001", base, kExtPllCodeCount, [](R& r, int32_t value) { r.nCdcm61001 = value; }));
    } else {
        chips.push_back(
            Chip<R>("CDCM61004", base, kCdcm61004CodeCount, [](R& r, int32_t value) { r.nCdcm61004 = value; }));
    }
    return chips;
}

template <class R, void (*Build)(TMainBoard&, const R&)>
void Built(const R& record, const BoardUse& use)
{
    TMainBoard board;
    Build(board, record);
    use(board);
}

// The pairs of the boards with a settings class take the settings object.
template <class S, void (*Build)(TMainBoard&, S&)>
void SettingsBuilt(const decltype(S::Config)& record, const BoardUse& use)
{
    S settings;
    settings.Config = record;
    TMainBoard board;
    Build(board, settings);
    use(board);
}

template <class S, bool (*Generate)(S&, const std::string&)>
bool SettingsGenerated(const decltype(S::Config)& record, const std::string& file)
{
    S settings;
    settings.Config = record;
    return Generate(settings, file);
}

// The definition alone, for a pair that hands the record to it as it stands.
template <class R, void (*Define)(TMainBoard*, const R&)>
void Defined(const R& record, const BoardUse& use)
{
    TMainBoard board;
    Define(&board, record);
    use(board);
}

// The same after the header pairing of BuildWithGpioHeaderPair.
template <class R, void (*Define)(TMainBoard*, const R&)>
void PairedDefined(const R& record, const BoardUse& use)
{
    R paired = record;
    PairGpioRecord(paired.nGpioDaughterId, paired.szGpioPrefixName, GPIO_0);
    Defined<R, Define>(paired, use);
}

template <class R, void (*Define)(TMainBoard*, const R&)>
void ListedHeadersDefined(const R& record, const BoardUse& use)
{
    R request = record;
    KeepListedGpioCards(request.nGpioDaughterId);
    Defined<R, Define>(request, use);
}

template <class S, void (*Define)(TMainBoard*, S*)>
void SettingsDefined(const decltype(S::Config)& record, const BoardUse& use)
{
    S settings;
    settings.Config = record;
    TMainBoard board;
    Define(&board, &settings);
    use(board);
}

// A pair that makes the form's record of a stored one first.
template <class R, R (*Prepare)(const R&), void (*Define)(TMainBoard*, const R&)>
void PreparedDefined(const R& record, const BoardUse& use)
{
    Defined<R, Define>(Prepare(record), use);
}

// Yastrel_X2 is two boards in one record, one per FPGA.
template <int Fpga>
std::vector<CardChoice> YastrelX2CardChoices(const YASTREL_X2_CONFIG& record)
{
    return Yastrel_X2CardChoices(record, Fpga);
}

template <int Fpga>
void YastrelX2Built(const YASTREL_X2_CONFIG& record, const BoardUse& use)
{
    TMainBoard board;
    BuildYastrel_X2ProjectBoard(board, record, Fpga);
    use(board);
}

template <int Fpga>
bool YastrelX2Generated(const YASTREL_X2_CONFIG& record, const std::string& file)
{
    return GenerateYastrel_X2Project(record, Fpga, file);
}

// The definition with the one board type the board offers, as the project pair asks for it.
template <int Fpga>
void YastrelX2Defined(const YASTREL_X2_CONFIG& record, const BoardUse& use)
{
    YASTREL_X2_CONFIG request = record;
    request.nBoardType = 0;
    TMainBoard board;
    BuildMainBoard_Yastrel_X2(&board, request, Fpga);
    use(board);
}

template <class R>
std::vector<CardChoice> NoCards(const R&)
{
    return {};
}

std::vector<BoardUnderTest> MakeEveryBoard()
{
    std::vector<BoardUnderTest> boards;

    using ULV = ULVARIN_CONFIG;
    boards.push_back(Board<ULV>(
        "Ulvarin", MAINBOARD_Ulvarin,
        Each(Ticked(TConfigUlvarin::DefaultConfig(), &ULV::bClock, &ULV::bHps), &ULV::nHsmcVoltage, {1, 0, 2, 3}),
        &UlvarinCardChoices, &SettingsBuilt<TConfigUlvarin, &BuildUlvarinProjectBoard>, &SettingsGenerated<TConfigUlvarin, &GenerateUlvarinProject>,
        &SettingsDefined<TConfigUlvarin, &BuildMainBoard_Ulvarin>));
    using PRE = PRESSEL_CONFIG;
    boards.push_back(Board<PRE>("Pressel", MAINBOARD_Pressel,
                                {Ticked(TConfigPressel::DefaultConfig(), &PRE::bClock, &PRE::bArduino)},
                                &PresselCardChoices, &SettingsBuilt<TConfigPressel, &BuildPresselProjectBoard>, &SettingsGenerated<TConfigPressel, &GeneratePresselProject>,
                                &SettingsDefined<TConfigPressel, &BuildMainBoard_Pressel>));
    using WIS = WISTRELL_CONFIG;
    boards.push_back(Board<WIS>("Wistrell", MAINBOARD_Wistrell, {Ticked(DefaultWistrellConfig(), &WIS::bClock, &WIS::bHps)},
                                &WistrellCardChoices, &Built<WIS, &BuildWistrellProjectBoard>, &GenerateWistrellProject,
                                &Defined<WIS, &BuildMainBoard_Wistrell>));
    using PLI = PLIMMET_CONFIG;
    boards.push_back(Board<PLI>("Plimmet", MAINBOARD_Plimmet, {Ticked(DefaultPlimmetConfig(), &PLI::bClock, &PLI::bAdc)},
                                &PlimmetCardChoices, &Built<PLI, &BuildPlimmetProjectBoard>, &GeneratePlimmetProject,
                                &Defined<PLI, &BuildMainBoard_Plimmet>));
    using GLE = GLENMARCH_CONFIG;
    boards.push_back(Board<GLE>("Glenmarch", MAINBOARD_Glenmarch,
                                {Ticked(GLENMARCH_CONFIG::DefaultConfig(), &GLE::bClock, &GLE::bHps)},
                                &GlenmarchCardChoices, &Built<GLE, &BuildGlenmarchProjectBoard>, &GenerateGlenmarchProject,
                                &PairedDefined<GLE, &BuildMainBoard_Glenmarch>));
    using EBB = EBBRICK_CONFIG;
    boards.push_back(Board<EBB>("Ebbrick", MAINBOARD_Ebbrick, {Ticked(DefaultEbbrickConfig(), &EBB::bClock, &EBB::bSdCard)},
                                &EbbrickCardChoices, &Built<EBB, &BuildEbbrickProjectBoard>, &GenerateEbbrickProject,
                                &PairedDefined<EBB, &BuildMainBoard_Ebbrick>));
    using KES = KESTWIN_CONFIG;
    KES kestwin;
    DefaultConfig(kestwin);
    boards.push_back(Board<KES>("Kestwin", MAINBOARD_Kestwin, {Ticked(kestwin, &KES::bClock, &KES::bArduino)},
                                &KestwinCardChoices, &Built<KES, &BuildKestwinProjectBoard>, &GenerateKestwinProject,
                                &ListedHeadersDefined<KES, &BuildMainBoard_Kestwin>));
    using LUM = LUMBRAE_CONFIG;
    LUM lumbrae;
    DefaultConfig(lumbrae);
    boards.push_back(Board<LUM>("Lumbrae", MAINBOARD_Lumbrae, {Ticked(lumbrae, &LUM::bClock, &LUM::bHdmiTx)},
                                &LumbraeCardChoices, &Built<LUM, &BuildLumbraeProjectBoard>, &GenerateLumbraeProject,
                                &ListedHeadersDefined<LUM, &BuildMainBoard_Lumbrae>));
    using JOR = JORVALE_CONFIG;
    boards.push_back(Board<JOR>(
        "Jorvale", MAINBOARD_Jorvale,
        Each(Ticked(JorvaleDefaultConfig(), &JOR::bClock, &JOR::bTemperature), &JOR::nHsmcVoltage, {1, 0, 2, 3}),
        &JorvaleCardChoices, +[](const JOR& record, const BoardUse& use) {
            JOR copy = record;
            TMainBoard board;
            BuildJorvaleProjectBoard(board, copy);
            use(board);
        },
        &GenerateJorvaleProject,
        &Defined<JOR, &BuildMainBoard_Jorvale>));
    using POC = POCKLIN_CONFIG;
    POC pocklin;
    DefaultConfig(pocklin);
    boards.push_back(Board<POC>("Pocklin", MAINBOARD_Pocklin, {Ticked(pocklin, &POC::bClock, &POC::bRavesh)},
                                &PocklinCardChoices, &Built<POC, &BuildPocklinProjectBoard>, &GeneratePocklinProject,
                                &Defined<POC, &BuildMainBoard_Pocklin>));
    using TAM = TAMBLIN_CONFIG;
    TAM tamblin;
    DefaultConfig(tamblin);
    std::vector<TAM> tamblins = Each(Ticked(tamblin, &TAM::bClock, &TAM::bPowerMonitor), &TAM::nBbbHeaderIndex,
                                     {uint8_t{1}, uint8_t{2}, uint8_t{3}});
    for (int32_t revision : {TAMBLIN_REVISION_A, TAMBLIN_REVISION_B}) {
        tamblins.push_back(tamblins.front());
        tamblins.back().nBoardRevision = revision;
    }
    boards.push_back(Board<TAM>("Tamblin", MAINBOARD_Tamblin, tamblins, &NoCards<TAM>, &Built<TAM, &BuildTamblinProjectBoard>, &GenerateTamblinProject,
        +[](const TAM& record, const BoardUse& use) {
            TAM request = record;
            if (request.nBbbHeaderIndex >= kBbbHeaderModeCount) request.nBbbHeaderIndex = 0;
            Defined<TAM, &BuildMainBoard_Tamblin>(request, use);
        }));

    using HAR = HARNIX_CONFIG;
    HAR harnix;
    DefaultConfig(harnix);
    boards.push_back(Board<HAR>("Harnix", MAINBOARD_Harnix, {Ticked(harnix, &HAR::bOSC, &HAR::bRS232)},
                                &HarnixCardChoices, &Built<HAR, &BuildHarnixProjectBoard>, &GenerateHarnixProject,
                                &PairedDefined<HAR, &BuildMainBoard_Harnix>));
    using FEN = FENNICK_CONFIG;
    FEN fennick;
    DefaultConfig(fennick);
    boards.push_back(Board<FEN>("Fennick", MAINBOARD_Fennick, {Ticked(fennick, &FEN::bOSC, &FEN::bAudio)},
                                &FennickCardChoices, &Built<FEN, &BuildFennickProjectBoard>, &GenerateFennickProject,
                                &PairedDefined<FEN, &BuildMainBoard_Fennick>));
    using MIR = MIRROW_CONFIG;
    MIR mirrow;
    DefaultConfig(mirrow);
    boards.push_back(Board<MIR>("Mirrow", MAINBOARD_Mirrow, {Ticked(mirrow, &MIR::bOSC, &MIR::bUSB)}, &MirrowCardChoices,
                                &Built<MIR, &BuildMirrowProjectBoard>, &GenerateMirrowProject,
                                &PairedDefined<MIR, &BuildMainBoard_Mirrow>));
    using PEL = PELLISH_CONFIG;
    PEL pellish;
    DefaultConfig(pellish);
    boards.push_back(Board<PEL>("Pellish", MAINBOARD_Pellish, {Ticked(pellish, &PEL::bOSC, &PEL::bUSB)},
                                &PellishCardChoices, &Built<PEL, &BuildPellishProjectBoard>, &GeneratePellishProject,
                                &PairedDefined<PEL, &BuildMainBoard_Pellish>));
    using TIV = TIVERNE_CONFIG;
    TIV tiverne;
    DefaultConfig(tiverne);
    boards.push_back(Board<TIV>("Tiverne", MAINBOARD_Tiverne, {Ticked(tiverne, &TIV::bOSC, &TIV::bFlashSSRAM)},
                                &TiverneCardChoices, &Built<TIV, &BuildTiverneProjectBoard>, &GenerateTiverneProject,
                                &Defined<TIV, &BuildMainBoard_Tiverne>));
    using LOT = LOTHVAR_CONFIG;
    LOT lothvar;
    DefaultConfig(lothvar);
    boards.push_back(Board<LOT>("Lothvar", MAINBOARD_Lothvar, {Ticked(lothvar, &LOT::bPortBExtras, &LOT::bPciBus)},
                                &LothvarCardChoices, &Built<LOT, &BuildLothvarProjectBoard>, &GenerateLothvarProject,
                                &Defined<LOT, &BuildMainBoard_Lothvar>));
    using ORL = ORLENN_CONFIG;
    ORL orlenn;
    DefaultConfig(orlenn);
    orlenn = Ticked(orlenn, &ORL::bOSC, &ORL::bTemp);
    ORL orlennGpio = orlenn, orlennDdr2 = orlenn;
    orlennGpio.bGPIO = 1;  // in place of Kelpin-A
    orlennDdr2.bDDR2 = 1;  // in place of Kelpin-B
    boards.push_back(Board<ORL>("Orlenn", MAINBOARD_Orlenn, {orlennGpio, orlennDdr2}, &OrlennCardChoices,
                                &Built<ORL, &BuildOrlennProjectBoard>, &GenerateOrlennProject,
                                +[](const ORL& record, const BoardUse& use) {
                                    ORL request = record;
                                    if (request.bGPIO) PairGpioRecord(request.nGpioDaughterId, request.szGpioPrefixName, GPIO_0);
                                    else request.nGpioDaughterId[GPIO_0] = request.nGpioDaughterId[GPIO_1] = DAUGHTER_NONE;
                                    Defined<ORL, &BuildMainBoard_Orlenn>(request, use);
                                }));
    using WEM = WEMBREL_CONFIG;
    WEM wembrel;
    DefaultConfig(wembrel);
    wembrel.BoardId = MAINBOARD_Wembrel;  // the form writes both before it generates
    wembrel.Size = sizeof wembrel;
    boards.push_back(Board<WEM>("Wembrel", MAINBOARD_Wembrel, {Ticked(wembrel, &WEM::bOSC, &WEM::bPciBus)},
                                &WembrelCardChoices, &Built<WEM, &BuildWembrelProjectBoard>, &GenerateWembrelProject,
                                &Defined<WEM, &BuildMainBoard_Wembrel>));

    using ASH = ASHVORN_CONFIG;
    ASH ashvorn;
    DefaultConfig(ashvorn);
    boards.push_back(Board<ASH>("Ashvorn", MAINBOARD_Ashvorn, {Ticked(ashvorn, &ASH::bOSC, &ASH::bPCIeSoftIP)},
                                &AshvornCardChoices, &Built<ASH, &BuildAshvornProjectBoard>, &GenerateAshvornProject,
                                &Defined<ASH, &BuildMainBoard_Ashvorn>));
    using COR = CORBANTH_CONFIG;
    COR corbanth;
    DefaultConfig(corbanth);
    boards.push_back(Board<COR>("Corbanth", MAINBOARD_Corbanth, {Ticked(corbanth, &COR::bOSC, &COR::bFlash)},
                                &CorbanthCardChoices, &Built<COR, &BuildCorbanthProjectBoard>, &GenerateCorbanthProject,
                                &Defined<COR, &BuildMainBoard_Corbanth>));
    using GOR = GORVATH_CONFIG;
    GOR gorvath;
    DefaultConfig(gorvath);
    boards.push_back(Board<GOR>("Gorvath", MAINBOARD_Gorvath, {Ticked(gorvath, &GOR::bOSC, &GOR::bLCD)},
                                &GorvathCardChoices, &Built<GOR, &BuildGorvathProjectBoard>, &GenerateGorvathProject,
                                &Defined<GOR, &BuildMainBoard_Gorvath>));
    using KAV = KAVRIN_CONFIG;
    KAV kavrin;
    DefaultConfig(kavrin);
    boards.push_back(Board<KAV>("Kavrin", MAINBOARD_Kavrin,
                                Each(Ticked(kavrin, &KAV::bOSC, &KAV::bEXIO), &KAV::nHsmcVoltage, {1, 0, 2, 3}),
                                &KavrinCardChoices, &Built<KAV, &BuildKavrinProjectBoard>, &GenerateKavrinProject,
                                +[](const KAV& record, const BoardUse& use) {
                                    KAV request = record;
                                    if (const uint8_t generic = KavrinGenericGpioCard(request.nGpioVoltage)) request.nGpioDaughterId = generic;
                                    Defined<KAV, &BuildMainBoard_Kavrin>(request, use);
                                }));
    using PAN = PANDREL_CONFIG;
    PAN pandrel;
    DefaultConfig(pandrel);
    boards.push_back(Board<PAN>("Pandrel", MAINBOARD_Pandrel,
                                Each(Ticked(pandrel, &PAN::bOSC, &PAN::bExtPLL), &PAN::bHsmcCIsGpio,
                                     {uint8_t{0}, uint8_t{1}}),
                                &PandrelCardChoices, &Built<PAN, &BuildPandrelProjectBoard>, &GeneratePandrelProject,
                                &PreparedDefined<PAN, &PandrelProjectRecord, &BuildMainBoard_Pandrel>));
    using RUS = RUSKEL_CONFIG;
    RUS ruskel;
    DefaultConfig(ruskel);
    boards.push_back(Board<RUS>("Ruskel", MAINBOARD_Ruskel, {Ticked(ruskel, &RUS::bOSC, &RUS::bHeader)},
                                &RuskelCardChoices, &Built<RUS, &BuildRuskelProjectBoard>, &GenerateRuskelProject,
                                &Defined<RUS, &BuildMainBoard_Ruskel>));
    using YX1 = YASTREL_X1_CONFIG;
    YX1 yastrelX1;
    DefaultConfig(yastrelX1);
    boards.push_back(Board<YX1>("Yastrel_X1", MAINBOARD_Yastrel_X1, {Ticked(yastrelX1, &YX1::bOSC, &YX1::bRS232)},
                                &Yastrel_X1CardChoices, &Built<YX1, &BuildYastrel_X1ProjectBoard>, &GenerateYastrel_X1Project,
                                &PreparedDefined<YX1, &Yastrel_X1ProjectRecord, &BuildMainBoard_Yastrel_X1>));
    using YX2 = YASTREL_X2_CONFIG;
    YX2 yastrelX2;
    DefaultConfig(yastrelX2);
    for (YASTREL_X2_NODE_CONFIG& node : yastrelX2.F)
        node = Ticked(node, &YASTREL_X2_NODE_CONFIG::bOSC, &YASTREL_X2_NODE_CONFIG::bEEPROM);
    boards.push_back(Board<YX2>("Yastrel_X2 F1", MAINBOARD_Yastrel_X2, {yastrelX2}, &YastrelX2CardChoices<0>,
                                &YastrelX2Built<0>, &YastrelX2Generated<0>, &YastrelX2Defined<0>));
    boards.push_back(Board<YX2>("Yastrel_X2 F2", MAINBOARD_Yastrel_X2, {yastrelX2}, &YastrelX2CardChoices<1>,
                                &YastrelX2Built<1>, &YastrelX2Generated<1>, &YastrelX2Defined<1>));

    using CRE = CRESSWIN_CONFIG;
    CRE cresswin;
    DefaultConfig(cresswin);
    cresswin = Ticked(cresswin, &CRE::bOSC, &CRE::bRs422);
    boards.push_back(Board<CRE>("Cresswin", MAINBOARD_Cresswin, {cresswin}, &CresswinCardChoices,
                                &Built<CRE, &BuildCresswinProjectBoard>, &GenerateCresswinProject,
                                &PreparedDefined<CRE, &CresswinFormRecord, &BuildMainBoard_Cresswin>));
    boards.back().clockChips = StratixVChips(cresswin);
    using MOR = MORRAST_CONFIG;
    MOR morrast;
    DefaultConfig(morrast);
    morrast = Ticked(morrast, &MOR::bOSC, &MOR::bRs422);
    boards.push_back(Board<MOR>("Morrast", MAINBOARD_Morrast, {morrast}, &NoCards<MOR>,
                                &Built<MOR, &BuildMorrastProjectBoard>, &GenerateMorrastProject,
                                &PreparedDefined<MOR, &MorrastFormRecord, &BuildMainBoard_Morrast>));
    boards.back().clockChips = StratixVChips(morrast);
    using SAR = SARNOTH_CONFIG;
    SAR sarnoth;
    DefaultConfig(sarnoth);
    sarnoth = Ticked(sarnoth, &SAR::bOSC, &SAR::bRs422);
    boards.push_back(Board<SAR>("Sarnoth", MAINBOARD_Sarnoth, {sarnoth}, &NoCards<SAR>,
                                &Built<SAR, &BuildSarnothProjectBoard>, &GenerateSarnothProject,
                                &PreparedDefined<SAR, &SarnothFormRecord, &BuildMainBoard_Sarnoth>));
    boards.back().clockChips = StratixVChips(sarnoth);
    using VEL = VELLANI_CONFIG;
    VEL vellani = Ticked(TConfigVellani::DefaultConfig(), &VEL::bOSC, &VEL::bExtLmkPLL);
    // Every clock-chip output running, so that each reference clock is built.
    for (uint8_t& output : vellani.nPLL) output = 1;
    for (uint8_t& output : vellani.nPLL_PLUS) output = 1;
    boards.push_back(Board<VEL>("Vellani", MAINBOARD_Vellani, {vellani}, &VellaniCardChoices,
                                &SettingsBuilt<TConfigVellani, &BuildVellaniProjectBoard>, &SettingsGenerated<TConfigVellani, &GenerateVellaniProject>,
                                +[](const VEL& record, const BoardUse& use) {
                                    VEL request = record;
                                    if (request.BoardVariant >= std::size(vellani::kBoardTypes)) request.BoardVariant = 0;
                                    SettingsDefined<TConfigVellani, &BuildMainBoard_Vellani>(request, use);
                                }));

    using NOB = NOBRECHT_CONFIG;
    const NOB nobrecht = Ticked(TConfigNobrecht::DefaultConfig(), &NOB::bOSC, &NOB::bRs422);
    boards.push_back(Board<NOB>("Nobrecht", MAINBOARD_Nobrecht,
                                {nobrecht}, &NoCards<NOB>,
                                &SettingsBuilt<TConfigNobrecht, &BuildNobrechtProjectBoard>, &SettingsGenerated<TConfigNobrecht, &GenerateNobrechtProject>,
                                &SettingsDefined<TConfigNobrecht, &BuildMainBoard_Nobrecht>));
    boards.back().clockChips = Si5340Chips(nobrecht);
    using DRA = DRAVELLE_CONFIG;
    const DRA dravelle = Ticked(TConfigDravelle::DefaultConfig(), &DRA::bOSC, &DRA::bRs422);
    boards.push_back(Board<DRA>("Dravelle", MAINBOARD_Dravelle,
                                {dravelle}, &NoCards<DRA>,
                                &SettingsBuilt<TConfigDravelle, &BuildDravelleProjectBoard>, &SettingsGenerated<TConfigDravelle, &GenerateDravelleProject>,
                                &SettingsDefined<TConfigDravelle, &BuildMainBoard_Dravelle>));
    boards.back().clockChips = Si5340Chips(dravelle);
    using ABE = ABERNOLL_CONFIG;
    const ABE abernoll = Ticked(TConfigAbernoll::DefaultConfig(), &ABE::bOSC, &ABE::bGPIO);
    boards.push_back(Board<ABE>("Abernoll", MAINBOARD_Abernoll,
                                {abernoll}, &NoCards<ABE>,
                                &SettingsBuilt<TConfigAbernoll, &BuildAbernollProjectBoard>, &SettingsGenerated<TConfigAbernoll, &GenerateAbernollProject>,
                                &SettingsDefined<TConfigAbernoll, &BuildMainBoard_Abernoll>));
    boards.back().clockChips = Si5340Chips(abernoll);
    using IDR = IDRENNE_CONFIG;
    boards.push_back(Board<IDR>("Idrenne", MAINBOARD_Idrenne,
                                Each(Ticked(TConfigIdrenne::DefaultConfig(), &IDR::bOSC, &IDR::bHPS), &IDR::nFmcVol,
                                     {IDRENNE_FMC_1V8, IDRENNE_FMC_1V5, IDRENNE_FMC_1V2}),
                                &IdrenneCardChoices, &SettingsBuilt<TConfigIdrenne, &BuildIdrenneProjectBoard>, &SettingsGenerated<TConfigIdrenne, &GenerateIdrenneProject>,
                                &SettingsDefined<TConfigIdrenne, &BuildMainBoard_Idrenne>));
    return boards;
}

}  // namespace

const std::vector<BoardUnderTest>& EveryBoard()
{
    static const std::vector<BoardUnderTest> boards = MakeEveryBoard();
    return boards;
}

std::size_t CardOffset(const BoardUnderTest& board, const Record& record, const std::string& connector)
{
    constexpr uint8_t kMarker = 0xA5;
    for (std::size_t at = 0; at < record.size(); ++at) {
        Record probe = record;
        probe[at] = kMarker;
        for (const CardChoice& choice : board.choices(probe))
            if (choice.connector == connector && choice.card == kMarker) return at;
    }
    throw std::logic_error(board.name + " has no card field for " + connector);
}

}  // namespace boardtest
