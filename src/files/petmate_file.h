// Petmate workspaces (.petmate): JSON with a version, the screens ("framebufs"), each a grid of
// screen codes and colour RAM values with its background, border and character set, and the
// custom fonts the screens use.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/foreign_work.h"

constexpr std::string_view petmateExtension = ".petmate";

bool isPetmateFile(std::span<const uint8_t> file); // a JSON object with Petmate's fields
// The names of the file's screens, in order, for the user to choose from when there are several;
// empty when the file is no Petmate file.
std::vector<std::string> petmateScreenNames(std::span<const uint8_t> file);
// The chosen screen in C64 single colour: "upper" and "lower" as the built-in C64 sets, a custom
// font by its bits; a set the file names but does not carry keeps the C64 caps set, with a note.
WorkReading decodePetmateFile(std::span<const uint8_t> file, const Document& base, size_t screen);
// One screen of the visible map with its cells' colours; a set that is neither built-in C64 set
// goes along as a custom font.
std::vector<uint8_t> encodePetmateFile(const Document& document);
