// A C64 program (.prg) that shows the work: LOAD and RUN it, and the screen shows the 40 x 25
// map in the document's set and colours until the machine is reset.
#pragma once

#include "files/machine_file.h"
#include "model/document.h"

MachineFile encodeC64Program(const Document& document);
