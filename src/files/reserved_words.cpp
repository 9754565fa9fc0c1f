#include "files/reserved_words.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <string>

namespace {

// C's keywords from C89 to C23, and asm, which gcc's default GNU mode reads as one. Those spelt
// with a leading _ (_Bool, _Atomic, ...) need no place here: C keeps every such name.
constexpr std::string_view cKeywords[] = {
    "alignas",       "alignof",      "asm",      "auto",          "bool",
    "break",         "case",         "char",     "const",         "constexpr",
    "continue",      "default",      "do",       "double",        "else",
    "enum",          "extern",       "false",    "float",         "for",
    "goto",          "if",           "inline",   "int",           "long",
    "nullptr",       "register",     "restrict", "return",        "short",
    "signed",        "sizeof",       "static",   "static_assert", "struct",
    "switch",        "thread_local", "true",     "typedef",       "typeof",
    "typeof_unqual", "union",        "unsigned", "void",          "volatile",
    "while",
};

// The 6502's registers and mnemonics. Labels keep clear of those of the 65C02 and of the
// undocumented ones too, since the source may be assembled for either.
constexpr std::string_view mos6502Words[] = {
    "a",   "x",   "y",   "adc", "and", "asl", "bcc", "bcs", "beq", "bit", "bmi", "bne",
    "bpl", "brk", "bvc", "bvs", "clc", "cld", "cli", "clv", "cmp", "cpx", "cpy", "dec",
    "dex", "dey", "eor", "inc", "inx", "iny", "jmp", "jsr", "lda", "ldx", "ldy", "lsr",
    "nop", "ora", "pha", "php", "pla", "plp", "rol", "ror", "rti", "rts", "sbc", "sec",
    "sed", "sei", "sta", "stx", "sty", "tax", "tay", "tsx", "txa", "txs", "tya",
};
constexpr std::string_view wdc65c02Words[] = {"bra", "dea", "ina", "phx", "phy", "plx",
                                              "ply", "stp", "stz", "trb", "tsb", "wai"};
// The undocumented ones, under each of their common names.
constexpr std::string_view undocumented6502Words[] = {
    "aac", "aax", "ahx", "alr", "anc", "ane", "arr", "aso", "asr", "atx", "axa", "axs",
    "dcm", "dcp", "dop", "hlt", "ins", "isb", "isc", "jam", "kil", "lae", "lar", "las",
    "lax", "lse", "lxa", "oal", "rla", "rra", "sax", "say", "sbx", "sha", "shs", "shx",
    "shy", "skb", "skw", "slo", "sre", "sxa", "sya", "tas", "top", "xaa", "xas",
};

// The 65C02's bit instructions, each followed by its bit number: bbr0 to smb7.
constexpr std::string_view bitInstructions[] = {"bbr", "bbs", "rmb", "smb"};

// ca65 reads "f:" and "z:", like "a:", as the address size of what follows, not as a label.
constexpr std::string_view ca65Prefixes[] = {"f", "z"};

// The Z80's registers, condition flags and mnemonics, the undocumented ones too. z80asm takes
// all of its directives as labels.
constexpr std::string_view z80Words[] = {
    "a",    "b",    "c",    "d",    "e",    "h",    "l",    "i",    "r",    "af",  "bc",   "de",
    "hl",   "sp",   "ix",   "iy",   "ixh",  "ixl",  "iyh",  "iyl",  "nz",   "z",   "nc",   "po",
    "pe",   "p",    "m",    "adc",  "add",  "and",  "bit",  "call", "ccf",  "cp",  "cpd",  "cpdr",
    "cpi",  "cpir", "cpl",  "daa",  "dec",  "di",   "djnz", "ei",   "ex",   "exx", "halt", "im",
    "in",   "inc",  "ind",  "indr", "ini",  "inir", "jp",   "jr",   "ld",   "ldd", "lddr", "ldi",
    "ldir", "neg",  "nop",  "or",   "otdr", "otir", "out",  "outd", "outi", "pop", "push", "res",
    "ret",  "reti", "retn", "rl",   "rla",  "rlc",  "rlca", "rld",  "rr",   "rra", "rrc",  "rrca",
    "rrd",  "rst",  "sbc",  "scf",  "set",  "sla",  "sli",  "sll",  "sra",  "srl", "sub",  "xor",
};

bool among(std::string_view word, std::span<const std::string_view> words) {
    return std::ranges::find(words, word) != words.end();
}

bool is6502Word(std::string_view lower) {
    const bool bitInstruction = lower.size() == 4 && lower[3] >= '0' && lower[3] <= '7' &&
                                among(lower.substr(0, 3), bitInstructions);
    return bitInstruction || among(lower, mos6502Words) || among(lower, wdc65c02Words) ||
           among(lower, undocumented6502Words);
}

} // namespace

bool isReservedWord(std::string_view word, SourceLanguage language) {
    if (language == SourceLanguage::c) return among(word, cKeywords);
    std::string lower(word);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (language == SourceLanguage::z80) return among(lower, z80Words);
    return is6502Word(lower) || (language == SourceLanguage::ca65 && among(lower, ca65Prefixes));
}
