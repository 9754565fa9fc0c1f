// An Atari 8-bit binary load file (.xex) that shows the work: the 40 x 24 map through the first
// 128 glyphs of the set in ANTIC mode 4 (Atari four colours) or mode 2 (every other mode), in
// the document's colour registers, until the machine is reset. In mode 2 the machine shows a code
// from 128 up as the inverse of glyph code - 128, as gridlet does with a set whose upper half is
// the lower half inverted.
#pragma once

#include "files/machine_file.h"
#include "model/document.h"

MachineFile encodeAtariExecutable(const Document& document);
