// The port lists and the board-specific body of the top-level HDL module.
#include "core/model/MainBoard.h"
#include "core/model/PinParsing.h"
#include "core/settings/ConfigBoard.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

// What tells the Verilog port list from the VHDL one.
struct PortListStyle {
    const char* commentWithDescription;
    const char* commentNameOnly;
    const char* separator;
    std::string (TPinParsing::*declaration)(int) const;
};

constexpr PortListStyle kVerilogStyle = {"\r\n\t//////////// %s, %s //////////\r\n",
                                         "\r\n\t//////////// %s //////////\r\n", ",",
                                         &TPinParsing::VerilogPortDecl};
constexpr PortListStyle kVhdlStyle = {"\r\n\t------------ %s, %s ------------\r\n",
                                      "\r\n\t------------ %s ------------\r\n", ";",
                                      &TPinParsing::VhdlPortDecl};

std::optional<std::string> PortList(const TMainBoard& board, const PortListStyle& style)
{
    // Pieces first: the last port of the whole list, wherever it lies, has no separator.
    struct Piece {
        std::string text;
        bool isPort;
    };
    std::vector<Piece> pieces;
    TPinParsing parsing;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        if (connector.GetDescription().empty())
            pieces.push_back({platform::Format(style.commentNameOnly, connector.GetName().c_str()), false});
        else
            pieces.push_back({platform::Format(style.commentWithDescription, connector.GetName().c_str(),
                                               connector.GetDescription().c_str()),
                              false});
        if (!parsing.Parse(connector)) return std::nullopt;
        for (int i = 0; i < parsing.GetPortCount(); ++i) pieces.push_back({(parsing.*style.declaration)(i), true});
    }
    std::size_t last = pieces.size();
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (pieces[i].isPort) last = i;
    std::string text;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].isPort) text += pieces[i].text;
        else text += "\t" + pieces[i].text + (i == last ? "" : style.separator) + "\r\n";
    }
    return text;
}

}  // namespace

std::optional<std::string> TMainBoard::VerilogPortList() const { return PortList(*this, kVerilogStyle); }

std::optional<std::string> TMainBoard::VhdlPortList() const { return PortList(*this, kVhdlStyle); }

std::string TMainBoard::ExtraTopLevelCode() const
{
    switch (m_BoardId) {
    case MAINBOARD_Yastrel_X1: return ExtPllCodeYastrel_X1();
    case MAINBOARD_Pandrel: return ExtPllCodePandrel();
    case MAINBOARD_Ashvorn: return FanControlCode();
    case MAINBOARD_Morrast: return ExtraTopLevelCode_Morrast(*this);
    case MAINBOARD_Sarnoth: return ExtraTopLevelCode_Sarnoth(*this);
    case MAINBOARD_Cresswin: return ExtraTopLevelCode_Cresswin(*this);
    case MAINBOARD_Brindell: PW_CHECK(0); return std::string();  // no definition, never generated
    case MAINBOARD_Nobrecht:
    case MAINBOARD_Dravelle:
    case MAINBOARD_Vellani:
    case MAINBOARD_Abernoll: PW_CHECK(m_pConfigBoard); return m_pConfigBoard->GetTopLevelCode();
    }
    return std::string();
}

std::string TMainBoard::FanControlCode() const
{
    PW_CHECK(m_BoardId == MAINBOARD_Ashvorn);
    return platform::Format("\r\n\t//////////// %s //////////\r\n", "FAN Control") +
           "assign FAN_CTRL = 1'bz; // turn on FAN\r\n\r\n";
}
