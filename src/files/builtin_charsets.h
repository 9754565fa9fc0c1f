// The character sets built into the program, and the display colours of their machines.
#pragma once

#include "model/document.h"

// In the order the "Charset" menu shows them.
enum class BuiltinCharset {
    ibmPcCga,
    ibmPc866,
    zxSpectrum,
    zx80,
    jupiterAce,
    c64Caps,
    c64Lower,
    atariXl,
    microsha,
    hexNumbers,
};

struct CharsetColors {
    Color paper;
    Color ink;
};

// Writes the set from code 0 on; codes the set does not cover keep their glyphs. Returns the
// machine's colours for the caller to apply.
CharsetColors loadBuiltinCharset(Charset& charset, BuiltinCharset which);
// How many codes from 0 on the set writes.
int builtinCodesLoaded(BuiltinCharset which);
