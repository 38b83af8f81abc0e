#pragma once
// The board being generated: device, connectors, and what the writers' board blocks read.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Connector.h"
#include "core/model/RecordBytes.h"

class TConfigBoard;

constexpr uint8_t MAINBOARD_Harnix = 1;
constexpr uint8_t MAINBOARD_Fennick = 2;
constexpr uint8_t MAINBOARD_Mirrow = 3;
constexpr uint8_t MAINBOARD_Pellish = 4;
constexpr uint8_t MAINBOARD_Kavrin = 5;
constexpr uint8_t MAINBOARD_Orlenn = 6;
constexpr uint8_t MAINBOARD_Yastrel_X2 = 7;
constexpr uint8_t MAINBOARD_Yastrel_X1 = 8;
constexpr uint8_t MAINBOARD_Corbanth = 9;
constexpr uint8_t MAINBOARD_Ruskel = 10;
constexpr uint8_t MAINBOARD_Wembrel = 11;
constexpr uint8_t MAINBOARD_Pandrel = 12;
constexpr uint8_t MAINBOARD_Gorvath = 13;
constexpr uint8_t MAINBOARD_Ashvorn = 14;
constexpr uint8_t MAINBOARD_Morrast = 15;
constexpr uint8_t MAINBOARD_Sarnoth = 16;
constexpr uint8_t MAINBOARD_Brindell = 17;
constexpr uint8_t MAINBOARD_Cresswin = 18;
constexpr uint8_t MAINBOARD_Jorvale = 19;
constexpr uint8_t MAINBOARD_Plimmet = 20;
constexpr uint8_t MAINBOARD_Glenmarch = 21;
constexpr uint8_t MAINBOARD_Wistrell = 22;
constexpr uint8_t MAINBOARD_Kestwin = 23;
constexpr uint8_t MAINBOARD_Lumbrae = 24;
constexpr uint8_t MAINBOARD_Ebbrick = 25;
constexpr uint8_t MAINBOARD_Tamblin = 26;
constexpr uint8_t MAINBOARD_Nobrecht = 27;
constexpr uint8_t MAINBOARD_Dravelle = 28;
constexpr uint8_t MAINBOARD_Pocklin = 30;
constexpr uint8_t MAINBOARD_Vellani = 31;
constexpr uint8_t MAINBOARD_Pressel = 32;
constexpr uint8_t MAINBOARD_Abernoll = 33;
constexpr uint8_t MAINBOARD_Ulvarin = 34;
constexpr uint8_t MAINBOARD_Idrenne = 35;
constexpr uint8_t MAINBOARD_Tiverne = 50;
constexpr uint8_t MAINBOARD_Lothvar = 100;
constexpr uint8_t MAINBOARD_Quimbel = 101;

// The 37 board ids in ascending order.
constexpr uint8_t kMainBoardIds[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                     14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                                     27, 28, 30, 31, 32, 33, 34, 35, 50, 100, 101};

// The boards the user may choose: Ulvarin only in this configuration.
bool IsSupportedBoard(int id);

class TMainBoard {
public:
    TMainBoard();
    ~TMainBoard();
    TMainBoard(const TMainBoard&) = delete;
    TMainBoard& operator=(const TMainBoard&) = delete;

    void AddConnector(TConnector* connector);
    void ClearConnectors();
    int GetConnectorCount() const { return static_cast<int>(m_ConnectorList.size()); }
    TConnector* GetConnector(int index) const;

    const std::string& GetFamily() const { return m_Family; }
    const std::string& GetDevice() const { return m_Device; }
    const std::string& GetPackage() const { return m_Package; }
    int32_t GetDevicePinCount() const { return m_DevicePinCount; }
    int32_t GetSpeedGrade() const { return m_SpeedGrade; }
    const std::string& GetSpeedGradeText() const { return m_SpeedGradeText; }
    uint8_t GetBoardId() const { return m_BoardId; }
    int GetBoardIdInt() const { return m_BoardId; }

    // The first expansion connector with that number; null when there is none.
    TConnector* FindExpansionConnector(int32_t number) const;
    // Whether an active pin sits at the location (compared ignoring case).
    bool IsLocationUsed(const std::string& location) const;
    // The pin at 1-based position pinIndex of the n-th HSMC connector; where that entry is
    // empty the same position of the next HSMC connector is taken.
    TPin* GetHsmcPin(int n, int pinIndex) const;
    // Sorts the pins of every connector, FMC connectors excepted.
    void SortConnectorPins();

    // Attach operations of the boards with a settings class. Each checks the card type,
    // finds the connector, builds the card and copies it under the prefix.
    void AttachHsmcCard(int32_t connectorId, uint8_t cardId, const std::string& prefix,
                        uint8_t ioStandard = 8);
    void AttachFmcCard(int32_t connectorId, uint8_t cardId, const std::string& prefix);
    void AttachGpioCard(int32_t connectorId, uint8_t cardId, const std::string& prefix,
                        const std::string& baseName, uint8_t ioStandard);
    void AttachDdr3SodimmStratixV(int32_t connectorId, const std::string& prefix, uint8_t diffDqs,
                                  uint8_t sidebandStd, uint8_t saStd);
    void AttachDdr3SodimmArria10(int32_t connectorId, const std::string& prefix, uint8_t diffDqs,
                                 uint8_t sidebandStd, uint8_t saStd);
    void AttachDdr4Sodimm(int32_t connectorId, const std::string& prefix, uint8_t ignored,
                          uint8_t sidebandStd, uint8_t saStd, uint8_t ecc);

    // Board-specific text of the project writers.
    // Global .qsf assignments by board id, written after the SDC_FILE line.
    std::string QsfExtraAssignments() const;
    std::string QsfExtrasAshvorn() const;
    // Display name of the board, the title of the pin report.
    std::string MainBoardName() const;
    // Port lists of the top-level module, one comment line per connector. Nothing when a
    // connector declares a port twice or mixes directions within a bus (the parse has shown
    // its box): such a module could not compile.
    std::optional<std::string> VerilogPortList() const;
    std::optional<std::string> VhdlPortList() const;
    // Board-specific Verilog for the module body; empty for most boards.
    std::string ExtraTopLevelCode() const;
    std::string FanControlCode() const;
    // Verilog that loads the chosen frequency codes into the external PLL controller; empty
    // when the programmable PLL is not used.
    std::string ExtPllCodeYastrel_X1() const;
    std::string ExtPllCodePandrel() const;

    // Written directly by the board definitions.
    std::vector<std::unique_ptr<TConnector>> m_ConnectorList;
    int32_t m_DevicePinCount = 0;
    int32_t m_SpeedGrade = 0;
    std::string m_Family;
    std::string m_Device;
    std::string m_Package;
    std::string m_SpeedGradeText;
    uint8_t m_BoardId = 0;
    RecordCopy<684> m_Yastrel_X1Config{};
    RecordCopy<1188> m_PandrelConfig{};
    TConfigBoard* m_pConfigBoard = nullptr;  // not owned
    RecordCopy<296> m_CresswinConfig{};
    RecordCopy<176> m_SarnothConfig{};
    RecordCopy<164> m_MorrastConfig{};
    RecordCopy<424> m_AshvornConfig{};
    RecordCopy<408> m_GlenmarchConfig{};
    RecordCopy<408> m_WistrellConfig{};
    RecordCopy<404> m_EbbrickConfig{};
};

// Clock-chip code of the Stratix V boards Morrast, Sarnoth and Cresswin, defined by those
// boards' own module (src/boards/stratix5/EXTRA_S5.cpp). ExtraTopLevelCode calls each for its
// board id; a missing definition fails at link time.
std::string ExtraTopLevelCode_Morrast(const TMainBoard& board);
std::string ExtraTopLevelCode_Sarnoth(const TMainBoard& board);
std::string ExtraTopLevelCode_Cresswin(const TMainBoard& board);

// The attach steps shared by every attach operation: check the card's connector type against
// the accepted ones, find the connector, build the card, copy it under the prefix. The card is
// built for the board's own id unless `cardBoardId` names another one (a board whose form
// builds its cards as for no board in particular passes 0).
void AttachCard(const TMainBoard& board, int32_t connectorId, uint8_t cardId, const std::string& prefix,
                std::initializer_list<uint8_t> acceptedTypes, int32_t variant, uint8_t ioStandard,
                const char* baseName, std::optional<int> cardBoardId = std::nullopt);

enum class MemoryModuleKind { Ddr2, Ddr3StratixIV, Ddr3StratixV };
void AttachMemoryModule(const TMainBoard& board, int32_t connectorId, const std::string& prefix,
                        MemoryModuleKind kind, uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd);
