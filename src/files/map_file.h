// Raw character-map files: the visible cells row by row, one byte each, with no header. The
// file does not record the map size, so it is always read and written at the current size. The
// cells' colours go in a file of their own of the same shape (colour RAM values on a C64,
// attributes on a Spectrum), as a program copies them to the machine.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/character_map.h"
#include "model/machine_colors.h"

// Fills the visible cells in file order; a short file leaves the rest as they were. False,
// changing nothing, when the file holds more bytes than the map has cells.
bool placeMap(MapCells& cells, int width, int height, std::span<const uint8_t> file);
bool placeMap(MapColors& colors, int width, int height, std::span<const uint8_t> file);

// The visible cells, the low 8 bits of each.
std::vector<uint8_t> encodeMap(const MapCells& cells, int width, int height);
std::vector<uint8_t> encodeMap(const MapColors& colors, int width, int height);
