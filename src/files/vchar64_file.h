// VChar64 projects (.vchar64proj): a 32-byte header marked "VChar", the character set, and from
// version 2 on the tiles' colours and a map of tiles.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "files/foreign_work.h"

constexpr std::string_view vchar64Extension = ".vchar64proj";

bool isVchar64Project(std::span<const uint8_t> file);
// The set (its first 256 chars), the four colours, the mode, and the map with its tiles laid out
// as chars; a version 1 project has no map, and the base's stays.
WorkReading decodeVchar64Project(std::span<const uint8_t> file, const Document& base);
// Version 3 with 1 x 1 tiles: the map is the visible map, and each char's colour the colour of
// the first cell that shows it (VChar64 keeps colours per tile, not per cell).
std::vector<uint8_t> encodeVchar64Project(const Document& document);
