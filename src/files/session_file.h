// The kept session: what the user was making, so that it survives a quit or a crash. A small
// file of gridlet's own with a mark, a version and a check sum, so that a damaged or foreign
// file is told apart and refused.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"

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

    bool operator==(const Session&) const = default;
};

// Version 1 had no colours; it is still read, with the colours at their start values.
constexpr uint32_t sessionVersion = 2;

std::vector<uint8_t> encodeSession(const Session& session);

struct SessionReading {
    Session session;
    std::string problem; // why the file is no session this gridlet can restore; "" when it is
};
SessionReading decodeSession(std::span<const uint8_t> file);
