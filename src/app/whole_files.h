// Files read and written whole through the toolkit, and the words that say why one failed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Up to `most` bytes of the file, or nothing when it cannot be opened.
std::optional<std::vector<uint8_t>> readFile(const std::string& name, int64_t most);
// True only when the whole file is under its name; a failed save leaves any old file as it was.
bool writeFile(const std::string& name, std::span<const uint8_t> bytes);

// The file's name, then on a line of its own why the system would not have it.
std::string withReason(const std::string& name, const std::string& why);
// "File Error:" with the name and why the system refused the save it was asked last.
std::string saveFailedText(const std::string& name);
