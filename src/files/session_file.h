// The kept session: what the user was making, so that it survives a quit or a crash. A small
// file of gridlet's own with a mark, a version and a check sum, so that a damaged or foreign
// file is told apart and refused.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "files/kept_record.h"

// Version 1 had no colours; it is still read, with the colours at their start values.
constexpr uint32_t sessionVersion = 2;

std::vector<uint8_t> encodeSession(const Session& session);
SessionReading decodeSession(std::span<const uint8_t> file);
