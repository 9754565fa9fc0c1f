// Work kept in other editors' files (CharPad, VChar64, Petmate): what such a file holds, put
// into a document, and what gridlet had to leave out, said in a note.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"

struct WorkReading {
    Document document;   // the base document with the file's set, mode, colours and map put in
    std::string note;    // what the file held that gridlet left out or changed; "" when nothing
    std::string problem; // why the file is refused; "" when it was read
};

// A map as another editor keeps it: row after row of codes, and beside each code its colour
// byte (a C64 colour RAM value) when the file gives one.
struct ForeignMap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> codes; // width * height; codes beyond 255 show glyph code & 255
    std::vector<uint8_t> colors; // width * height, or empty when the file has none
};

// Lays the map from the top-left cell of the smallest of gridlet's map sizes that holds it; the
// cells beyond it hold code 0 in colour 0. A map wider or taller than the largest size is cut to
// its top-left part, and the returned note says how much was left out; "" when nothing was.
std::string placeForeignMap(Document& document, const ForeignMap& map);

// The visible map of the document, row after row, as the writers of other editors' files take it.
ForeignMap visibleMap(const Document& document);
