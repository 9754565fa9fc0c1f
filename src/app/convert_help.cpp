#include "app/convert_help.h"

#include "app/convert_arguments.h"

std::string conversionHelp() {
    std::string names;
    for (const NamedCharset& named : namedCharsets) names += "  " + std::string(named.name) + "\n";
    return "Usage: gridlet [FONT-FILE]\n"
           "       gridlet --convert [OPTIONS] INPUT OUTPUT\n"
           "\n"
           "With a font file or nothing, gridlet opens its window. With --convert it reads INPUT\n"
           "as File > Open reads it and writes OUTPUT as File > Save or Export writes the type\n"
           "its name ends in, with no window and no display.\n"
           "\n"
           "INPUT: a raw font (placed from glyph 0, whatever its length), a C64 font (.64c), a\n"
           "console font (PSF), a BDF font, or a PNG or BMP picture, told apart by their\n"
           "contents; pictures are read ink white on paper black, or in the colours of the\n"
           "--charset set. - reads nothing: use it with --charset.\n"
           "\n"
           "OUTPUT, by its type:\n"
           "  .fnt .bin .ch8 .chr .rom  raw font of --size bytes\n"
           "  .64c                      C64 font, load address $3800\n"
           "  .psf                      console font (PSF 2)\n"
           "  .bdf                      BDF font\n"
           "  .png                      the glyphs 16 a row, 2 x 2 pixels a glyph pixel\n"
           "  .bmp                      the 256 x 256 picture of the whole set\n"
           "  .c .h                     C array\n"
           "  .s .a .asm .z80           assembler source: ca65, acme, z80 (defb), z80-db (DB)\n"
           "  .bas                      BASIC DATA lines\n"
           "\n"
           "Options:\n"
           "  --convert             convert INPUT to OUTPUT\n"
           "  --charset NAME        start from a built-in set (and its machine's colours);\n"
           "                        INPUT, unless -, is then read over it from glyph 0\n"
           "  --range FIRST-LAST    only the glyphs FIRST to LAST (0 to 255); a raw font starts\n"
           "                        at FIRST; not for .bmp\n"
           "  --size 768|1024|2048  the length of a raw font (default 2048)\n"
           "  --asm ca65|acme|z80|z80-db  the assembler, whatever the OUTPUT's type\n"
           "  --help                this text\n"
           "  --version             the program's name and version\n"
           "\n"
           "Built-in sets:\n" +
           names +
           "\n"
           "Exit status: 0 done (notes about what was left out go to standard error), 1 the\n"
           "INPUT cannot be read, 2 the command line is wrong, 3 the OUTPUT cannot be written\n"
           "(an old file of its name is kept as it was).\n";
}
