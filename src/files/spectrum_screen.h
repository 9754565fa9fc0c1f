// The ZX Spectrum's screen memory as a file: the 32 x 24 map drawn through the set (.scr, 6144
// bytes of pixels then 768 attributes), and that screen on tape (.tap) for LOAD "" SCREEN$.
#pragma once

#include <string_view>

#include "files/machine_file.h"
#include "model/document.h"

MachineFile encodeSpectrumScreen(const Document& document);
// The name goes on the tape's header: its first 10 characters, padded with spaces; a character
// the Spectrum does not print the same becomes '?'.
MachineFile encodeSpectrumTape(const Document& document, std::string_view name);
