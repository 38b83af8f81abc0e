#pragma once
// What a name must be to stand in the generated top level: reserved words of the two
// languages and the stricter form of a VHDL identifier.
#include <string>
#include <string_view>

// A reserved word of Verilog-2005 or SystemVerilog, exactly as written (Verilog keeps case:
// "WIRE" is a name, "wire" is not). SystemVerilog's words count too, since tools such as
// verilator read .v files as SystemVerilog.
bool IsVerilogKeyword(std::string_view word);

// A reserved word of VHDL-93, compared without case as VHDL compares names.
bool IsVhdlKeyword(std::string_view word);

// Letters, digits and underscores as both languages take them, with VHDL's extra rules:
// an ASCII letter first, no two underscores together, no underscore at the end.
bool IsVhdlBasicIdentifier(std::string_view name);

// A name both languages accept whatever its case, such as a module and entity name: a VHDL
// basic identifier that is no reserved word of either language, compared without case.
bool IsPortableHdlName(std::string_view name);

// The form in which the language tells names apart: as written in Verilog, in lower case
// in VHDL.
std::string HdlNameKey(std::string_view name, bool vhdl);
