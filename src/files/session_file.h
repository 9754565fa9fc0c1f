// The kept session: what the user was making, so that it survives a quit or a crash. A small
// file of gridlet's own with a mark, a version and a check sum, so that a damaged or foreign
// file is told apart and refused.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "files/kept_record.h"

// A session's versions are the editions of the fields: version 2 had no characters of the set's
// codes, version 1 no colours either; both are still read, with what they lack at its start
// values.
constexpr uint32_t sessionVersion = recordEdition;

std::vector<uint8_t> encodeSession(const Session& session);
SessionReading decodeSession(std::span<const uint8_t> file);
