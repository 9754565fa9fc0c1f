// The work kept in another editor's file, whichever of those gridlet reads: CharPad's, VChar64's
// and Petmate's projects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "files/foreign_work.h"

enum class OtherEditor { charpad, vchar64, petmate };

// By the mark the file's first bytes carry, or else by the end of its name: a file named as one
// of those editors' is refused as one, with why, rather than opened as a raw font.
std::optional<OtherEditor> otherEditorOf(std::span<const uint8_t> file, std::string_view name);
// `screen` chooses among the screens of a Petmate file; the others hold one map.
WorkReading decodeOtherEditorWork(OtherEditor editor, std::span<const uint8_t> file,
                                  const Document& base, size_t screen);
