#include "core/model/HdlNames.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// IEEE 1800-2017 Annex B, which holds every word of IEEE 1364-2005 as well. Sorted.
constexpr std::string_view kVerilogKeywords[] = {
    "accept_on"sv, "alias"sv, "always"sv, "always_comb"sv, "always_ff"sv, "always_latch"sv, "and"sv,
    "assert"sv, "assign"sv, "assume"sv, "automatic"sv, "before"sv, "begin"sv, "bind"sv, "bins"sv,
    "binsof"sv, "bit"sv, "break"sv, "buf"sv, "bufif0"sv, "bufif1"sv, "byte"sv, "case"sv, "casex"sv,
    "casez"sv, "cell"sv, "chandle"sv, "checker"sv, "class"sv, "clocking"sv, "cmos"sv, "config"sv,
    "const"sv, "constraint"sv, "context"sv, "continue"sv, "cover"sv, "covergroup"sv, "coverpoint"sv,
    "cross"sv, "deassign"sv, "default"sv, "defparam"sv, "design"sv, "disable"sv, "dist"sv, "do"sv,
    "edge"sv, "else"sv, "end"sv, "endcase"sv, "endchecker"sv, "endclass"sv, "endclocking"sv,
    "endconfig"sv, "endfunction"sv, "endgenerate"sv, "endgroup"sv, "endinterface"sv, "endmodule"sv,
    "endpackage"sv, "endprimitive"sv, "endprogram"sv, "endproperty"sv, "endsequence"sv,
    "endspecify"sv, "endtable"sv, "endtask"sv, "enum"sv, "event"sv, "eventually"sv, "expect"sv,
    "export"sv, "extends"sv, "extern"sv, "final"sv, "first_match"sv, "for"sv, "force"sv,
    "foreach"sv, "forever"sv, "fork"sv, "forkjoin"sv, "function"sv, "generate"sv, "genvar"sv,
    "global"sv, "highz0"sv, "highz1"sv, "if"sv, "iff"sv, "ifnone"sv, "ignore_bins"sv,
    "illegal_bins"sv, "implements"sv, "implies"sv, "import"sv, "incdir"sv, "include"sv,
    "initial"sv, "inout"sv, "input"sv, "inside"sv, "instance"sv, "int"sv, "integer"sv,
    "interconnect"sv, "interface"sv, "intersect"sv, "join"sv, "join_any"sv, "join_none"sv,
    "large"sv, "let"sv, "liblist"sv, "library"sv, "local"sv, "localparam"sv, "logic"sv,
    "longint"sv, "macromodule"sv, "matches"sv, "medium"sv, "modport"sv, "module"sv, "nand"sv,
    "negedge"sv, "nettype"sv, "new"sv, "nexttime"sv, "nmos"sv, "nor"sv, "noshowcancelled"sv,
    "not"sv, "notif0"sv, "notif1"sv, "null"sv, "or"sv, "output"sv, "package"sv, "packed"sv,
    "parameter"sv, "pmos"sv, "posedge"sv, "primitive"sv, "priority"sv, "program"sv, "property"sv,
    "protected"sv, "pull0"sv, "pull1"sv, "pulldown"sv, "pullup"sv, "pulsestyle_ondetect"sv,
    "pulsestyle_onevent"sv, "pure"sv, "rand"sv, "randc"sv, "randcase"sv, "randsequence"sv,
    "rcmos"sv, "real"sv, "realtime"sv, "ref"sv, "reg"sv, "reject_on"sv, "release"sv, "repeat"sv,
    "restrict"sv, "return"sv, "rnmos"sv, "rpmos"sv, "rtran"sv, "rtranif0"sv, "rtranif1"sv,
    "s_always"sv, "s_eventually"sv, "s_nexttime"sv, "s_until"sv, "s_until_with"sv, "scalared"sv,
    "sequence"sv, "shortint"sv, "shortreal"sv, "showcancelled"sv, "signed"sv, "small"sv, "soft"sv,
    "solve"sv, "specify"sv, "specparam"sv, "static"sv, "string"sv, "strong"sv, "strong0"sv,
    "strong1"sv, "struct"sv, "super"sv, "supply0"sv, "supply1"sv, "sync_accept_on"sv,
    "sync_reject_on"sv, "table"sv, "tagged"sv, "task"sv, "this"sv, "throughout"sv, "time"sv,
    "timeprecision"sv, "timeunit"sv, "tran"sv, "tranif0"sv, "tranif1"sv, "tri"sv, "tri0"sv,
    "tri1"sv, "triand"sv, "trior"sv, "trireg"sv, "type"sv, "typedef"sv, "union"sv, "unique"sv,
    "unique0"sv, "until"sv, "until_with"sv, "untyped"sv, "use"sv, "uwire"sv, "var"sv,
    "vectored"sv, "virtual"sv, "void"sv, "wait"sv, "wait_order"sv, "wand"sv, "weak"sv, "weak0"sv,
    "weak1"sv, "while"sv, "wildcard"sv, "wire"sv, "with"sv, "within"sv, "wor"sv, "xnor"sv, "xor"sv,
};

// IEEE 1076-1993, section 13.9. Sorted.
constexpr std::string_view kVhdlKeywords[] = {
    "abs"sv, "access"sv, "after"sv, "alias"sv, "all"sv, "and"sv, "architecture"sv, "array"sv,
    "assert"sv, "attribute"sv, "begin"sv, "block"sv, "body"sv, "buffer"sv, "bus"sv, "case"sv,
    "component"sv, "configuration"sv, "constant"sv, "disconnect"sv, "downto"sv, "else"sv,
    "elsif"sv, "end"sv, "entity"sv, "exit"sv, "file"sv, "for"sv, "function"sv, "generate"sv,
    "generic"sv, "group"sv, "guarded"sv, "if"sv, "impure"sv, "in"sv, "inertial"sv, "inout"sv,
    "is"sv, "label"sv, "library"sv, "linkage"sv, "literal"sv, "loop"sv, "map"sv, "mod"sv,
    "nand"sv, "new"sv, "next"sv, "nor"sv, "not"sv, "null"sv, "of"sv, "on"sv, "open"sv, "or"sv,
    "others"sv, "out"sv, "package"sv, "port"sv, "postponed"sv, "procedure"sv, "process"sv,
    "pure"sv, "range"sv, "record"sv, "register"sv, "reject"sv, "rem"sv, "report"sv, "return"sv,
    "rol"sv, "ror"sv, "select"sv, "severity"sv, "shared"sv, "signal"sv, "sla"sv, "sll"sv, "sra"sv,
    "srl"sv, "subtype"sv, "then"sv, "to"sv, "transport"sv, "type"sv, "unaffected"sv, "units"sv,
    "until"sv, "use"sv, "variable"sv, "wait"sv, "when"sv, "while"sv, "with"sv, "xnor"sv, "xor"sv,
};

static_assert(std::ranges::is_sorted(kVerilogKeywords));
static_assert(std::ranges::is_sorted(kVhdlKeywords));

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

bool IsVerilogKeyword(std::string_view word)
{
    return std::ranges::binary_search(kVerilogKeywords, word);
}

bool IsVhdlKeyword(std::string_view word)
{
    return std::ranges::binary_search(kVhdlKeywords, std::string_view(LowerAscii(word)));
}

bool IsVhdlBasicIdentifier(std::string_view name)
{
    if (name.empty() || !IsAsciiLetter(name.front()) || name.back() == '_') return false;
    for (std::size_t i = 1; i < name.size(); ++i) {
        char c = name[i];
        if (c == '_' ? name[i - 1] == '_' : !IsAsciiLetter(c) && !IsAsciiDigit(c)) return false;
    }
    return true;
}

bool IsPortableHdlName(std::string_view name)
{
    return IsVhdlBasicIdentifier(name) && !IsVerilogKeyword(LowerAscii(name)) && !IsVhdlKeyword(name);
}

std::string HdlNameKey(std::string_view name, bool vhdl) { return vhdl ? LowerAscii(name) : std::string(name); }
