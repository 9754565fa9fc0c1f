// A project: the whole piece of work in one file the user names and opens again, with the same
// fields as the kept session under a mark and a version of its own.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "files/kept_record.h"

// Projects began at the second edition of the fields, as version 1, which had no characters of
// the set's codes; it is still read, as ASCII and Latin-1.
constexpr uint32_t projectVersion = recordEdition - 1;
constexpr std::string_view projectExtension = ".gridlet";

// The file starts with a project's mark.
bool isProject(std::span<const uint8_t> file);
std::vector<uint8_t> encodeProject(const Session& project);
// The project, or why the file is none this gridlet opens.
SessionReading decodeProject(std::span<const uint8_t> file);
