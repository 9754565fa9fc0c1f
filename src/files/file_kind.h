// What a file is by the mark its first bytes carry, whatever its name: gridlet's project, or a
// font or picture of a format that marks its files. Raw fonts and maps carry none.
#pragma once

#include <cstdint>
#include <span>

enum class FileKind { project, markedFont, unmarked };

FileKind kindOfFile(std::span<const uint8_t> file);
