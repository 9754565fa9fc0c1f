// What File > Export writes: the set, or the range when its box is ticked, in each format; and
// the map's files and pictures. The menu items and the command-line conversion write these same
// bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/machine_file.h"
#include "files/source_text.h"
#include "model/document.h"

enum class ExportFormat {
    png,
    psf,
    bdf,
    c64Font,
    cSource,
    assembler,
    basicData,
    mapCells,   // the visible cells' codes, row by row
    mapColors,  // their colour bytes
    mapPicture, // the visible map as the machine shows it
    mapCSource,
};

// The file for the name (C, assembler and BASIC sources and BDF fonts take their identifier
// from it); the set's characters go into a console font's Unicode table and the sources'
// comments; the dialect counts for assembler sources alone.
std::vector<uint8_t> encodeExport(const Document& document, ExportFormat format,
                                  const std::string& name, Assembler dialect = Assembler::ca65);
// Why the document cannot become such a file, "" when it can: a C64 font's glyphs are 8 x 8.
std::string exportProblem(const Document& document, ExportFormat format);
// The whole work for another editor or for a machine: every glyph and the visible map, whatever
// the range.
enum class WorkFormat {
    charpad,
    vchar64,
    petmate,
    c64Program,
    atariExecutable,
    spectrumScreen,
    spectrumTape,
};
// The bytes, or why the document cannot become such a file (a machine shows one map size, and
// characters of 8 x 8 pixels). A tape's block takes its name from the file's.
MachineFile encodeWork(const Document& document, WorkFormat format, const std::string& name);

// "Characters image": the whole set as the charset view shows it, a BMP file that says the
// colours that drew it.
std::vector<uint8_t> encodeCharsetPicture(const Document& document);
