#pragma once
// Groups the pins in use of one connector into HDL ports: scalar ports and buses.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TConnector;
class TPin;

struct PORT_INFO {
    std::string szPortName;   // pin name without its bus index
    uint8_t bArrayName = 0;   // 1 when the port is a bus
    int32_t nMsb = -1;        // highest index seen (-1 for a scalar port)
    int32_t nLsb = -1;        // lowest index seen (-1 for a scalar port)
    uint8_t IoStandard = 0;   // of the port's first pin
    uint8_t Direction = 0;    // of the port's first pin
    std::string szBank;       // of the port's first pin; written to no file
};

class TPinParsing {
public:
    TPinParsing();
    ~TPinParsing();
    TPinParsing(const TPinParsing&) = delete;
    TPinParsing& operator=(const TPinParsing&) = delete;

    // Replaces the ports with those of the connector's pins in use. A name declared twice or
    // a bus member whose direction differs from its port's is shown in an error box and
    // ends the parse with false: such a module could not compile.
    bool Parse(const TConnector& connector);
    void Clear();
    // Base and index of a bus member's name ("KEY[3]": KEY, 3); false, empty base and -1
    // otherwise. Raises platform::ConversionError when the bracket text is no integer.
    static bool SplitArrayName(const std::string& name, std::string& base, int32_t& index);
    // The first port of that name, ignoring case; null when none.
    PORT_INFO* FindPort(const std::string& name) const;
    int GetPortCount() const { return static_cast<int>(m_Ports.size()); }
    const PORT_INFO& GetPort(int i) const;
    std::string VerilogPortDecl(int i) const;
    std::string VhdlPortDecl(int i) const;

private:
    std::vector<std::unique_ptr<PORT_INFO>> m_Ports;
};

// The pins the .qsf assigns and the port lists declare: those with one of the three HDL
// directions. A pin left with another direction in use has no declaration and is skipped.
bool IsPortPin(const TPin* pin);

// Whether a pin name is safe as an HDL port, a Tcl word and HTML text: a letter, then
// letters, digits and '_', optionally followed by one bus index "[n]" with n a decimal
// int32 of at least 0 written without sign or leading zero.
bool IsValidPinName(const std::string& name);

// Whether the port a valid pin name makes suits the top file's language: no reserved word
// of it, and in VHDL a basic identifier (no "__", no '_' at the end).
bool IsValidPortName(const std::string& pinName, bool vhdl);
