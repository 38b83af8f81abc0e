#include "core/model/PinParsing.h"

#include <strings.h>

#include "core/model/Connector.h"
#include "core/model/HdlNames.h"
#include "core/settings/RecordText.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Names are record text (Latin-1); boxes take UTF-8.
void ReportConflict(const std::string& latin1Text)
{
    platform::Beep();
    platform::ErrorBox(Latin1ToUtf8(latin1Text));
}

}  // namespace

TPinParsing::TPinParsing() = default;

TPinParsing::~TPinParsing() { Clear(); }

void TPinParsing::Clear() { m_Ports.clear(); }

bool TPinParsing::SplitArrayName(const std::string& name, std::string& base, int32_t& index)
{
    auto open = name.find('[');
    auto close = name.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        base.clear();
        index = -1;
        return false;
    }
    std::string text = name.substr(open + 1, close - open - 1);
    int32_t value = 0;
    if (!ParseStrictInt32(text, value))
        throw platform::ConversionError("'" + Latin1ToUtf8(text) + "' is not a valid integer value");
    base = name.substr(0, open);
    index = value;
    return true;
}

PORT_INFO* TPinParsing::FindPort(const std::string& name) const
{
    for (const auto& port : m_Ports)
        if (::strcasecmp(port->szPortName.c_str(), name.c_str()) == 0) return port.get();
    return nullptr;
}

const PORT_INFO& TPinParsing::GetPort(int i) const
{
    PW_CHECK(i >= 0 && i < GetPortCount());
    return *m_Ports[static_cast<std::size_t>(i)];
}

bool TPinParsing::Parse(const TConnector& connector)
{
    Clear();
    for (int e = 0; e < connector.GetPinCount(); ++e) {
        const TPin* pin = connector.GetPin(e);
        if (!IsPortPin(pin)) continue;
        std::string portName;
        int32_t index = -1;
        bool isArray = SplitArrayName(pin->GetName(), portName, index);
        if (!isArray) portName = pin->GetName();

        PORT_INFO* port = FindPort(portName);
        if (!port) {
            auto added = std::make_unique<PORT_INFO>();
            added->szPortName = portName;
            added->bArrayName = isArray ? 1 : 0;
            added->nMsb = index;
            added->nLsb = index;
            added->IoStandard = pin->GetIoStandard();
            added->Direction = pin->GetDirection();
            added->szBank = pin->GetBank();
            m_Ports.push_back(std::move(added));
            continue;
        }
        // A scalar name met again, or a scalar and a bus of one name, declares the port twice;
        // widening a bus with the index -1 of a scalar would give no valid range either.
        if (!isArray || !port->bArrayName) {
            ReportConflict(pin->GetName());
            return false;
        }
        if (index > port->nMsb) port->nMsb = index;
        if (index < port->nLsb) port->nLsb = index;
        if (pin->GetDirection() != port->Direction) {
            ReportConflict(platform::Format("Connector %s[%d]:%d has an unmathced pin direction",
                                            port->szPortName.c_str(), index, e));
            return false;
        }
    }
    return true;
}

std::string TPinParsing::VerilogPortDecl(int i) const
{
    const PORT_INFO& port = GetPort(i);
    const char* direction = port.Direction == DIRECTION_INOUT   ? "inout "
                            : port.Direction == DIRECTION_INPUT ? "input "
                                                                : "output";
    std::string range = port.bArrayName ? platform::Format("[%d:%d]", port.nMsb, port.nLsb) : std::string();
    return platform::Format("%s\t\t%10s\t\t%s", direction, range.c_str(), port.szPortName.c_str());
}

std::string TPinParsing::VhdlPortDecl(int i) const
{
    const PORT_INFO& port = GetPort(i);
    const char* direction = port.Direction == DIRECTION_INOUT   ? "inout "
                            : port.Direction == DIRECTION_INPUT ? "in "
                                                                : "out";
    if (port.bArrayName)
        return platform::Format("%-16s\t:%-6s\tstd_logic_vector(%d downto %d)", port.szPortName.c_str(),
                                direction, port.nMsb, port.nLsb);
    return platform::Format("%-16s\t:%-6s\tstd_logic", port.szPortName.c_str(), direction);
}

bool IsPortPin(const TPin* pin)
{
    if (!pin) return false;
    uint8_t d = pin->GetDirection();
    return d == DIRECTION_INOUT || d == DIRECTION_INPUT || d == DIRECTION_OUTPUT;
}

bool IsValidPinName(const std::string& name)
{
    std::size_t i = 0;
    if (name.empty() || !IsLetter(name[0])) return false;
    while (i < name.size() && (IsLetter(name[i]) || IsDigit(name[i]) || name[i] == '_')) ++i;
    if (i == name.size()) return true;
    // One trailing index: VHDL vectors take natural indexes, and the .qsf must name the bit
    // exactly as the port declares it, so no sign and no leading zero.
    if (name[i] != '[' || name.back() != ']') return false;
    std::string digits = name.substr(i + 1, name.size() - i - 2);
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0')) return false;
    for (char c : digits)
        if (!IsDigit(c)) return false;
    int32_t value = 0;
    return ParseStrictInt32(digits, value);
}

bool IsValidPortName(const std::string& pinName, bool vhdl)
{
    std::string_view base(pinName);
    base = base.substr(0, base.find('['));
    if (vhdl) return IsVhdlBasicIdentifier(base) && !IsVhdlKeyword(base);
    return !IsVerilogKeyword(base);
}
