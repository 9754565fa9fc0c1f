// The document's fields as gridlet's own files of a whole piece of work keep them: the kept
// session and the project. Each kind has its mark and version before the same fields, and a
// check sum after them, so that a damaged or foreign file is told apart and refused.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"

// The fields, named after the kept session they were first written for.
struct Session {
    Charset charset{};
    MapCells mapCells{};
    int mapWidth = 40, mapHeight = 24;
    Color paperColor = 0x000000, inkColor = 0xFFFFFF;
    int currentChar = 0;
    Range range;
    bool gridOnMap = true;
    ColorMode colorMode = ColorMode::twoColors;
    MachineColors machineColors;
    MapColors mapColors = filledMapColors(startCellColor);
    Pen pen = 3;
    TextEncoding textEncoding = latinEncoding();

    bool operator==(const Session&) const = default;
};

struct SessionReading {
    Session session;
    std::string problem; // why the file is none this gridlet can read; "" when it is one
};

// The older versions still read, 0 where a kind has none: one without the set's characters
// (read as ASCII and Latin-1), and one without the colours either.
struct RecordKind {
    std::array<uint8_t, 8> mark;
    uint32_t version; // the one written
    uint32_t encodinglessVersion;
    uint32_t colorlessVersion;
    const char* noun;    // in the reasons of refusal: "session", "project"
    const char* written; // how such a file came to be: "kept", "saved"
};

std::vector<uint8_t> encodeRecord(const RecordKind& kind, const Session& fields);
SessionReading decodeRecord(const RecordKind& kind, std::span<const uint8_t> file);
