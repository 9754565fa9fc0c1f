// The work as gridlet's own files of a whole piece of work keep it: the kept session and the
// project. Each kind has its mark and version before the same fields, and a check sum after them,
// so that a damaged or foreign file is told apart and refused.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"

// What the files keep: the document and, beside it, the current glyph. Named after the kept
// session it was first written for.
struct Session {
    Document document;
    int currentChar = 0;

    bool operator==(const Session&) const = default;
};

struct SessionReading {
    Session session;
    std::string problem; // why the file is none this gridlet can read; "" when it is one
};

// The fields came in editions, each adding its own after the last: 1 the glyphs, the map, the two
// colours, the current glyph, the range and the grid; 2 the colour mode, the machine colours, the
// cells' colours and the pen; 3 the characters of the set's codes; 4 the C64's border colour; 5 the
// glyphs' height and their rows past the first 2048 bytes. A file holds one edition's fields;
// those it lacks are read at their start values.
constexpr uint32_t recordEdition = 5; // the one written

// A kind's versions go with the editions one for one, the one written with the last.
struct RecordKind {
    std::array<uint8_t, 8> mark;
    uint32_t version;      // the one written
    uint32_t firstVersion; // the oldest still read
    const char* noun;      // in the reasons of refusal: "session", "project"
    const char* written;   // how such a file came to be: "kept", "saved"
};

std::vector<uint8_t> encodeRecord(const RecordKind& kind, const Session& fields);
SessionReading decodeRecord(const RecordKind& kind, std::span<const uint8_t> file);

// Puts in `document` every field the files keep; the others, ways of working that a file does not
// carry (how a drag works), stay as they are.
void placeKeptFields(Document& document, const Document& kept);
