// The characters of the built-in sets' codes, as their machines define them, and of fonts, as
// their files do.
#pragma once

#include <string>

#include "files/builtin_charsets.h"
#include "files/font_reading.h"
#include "model/text_encoding.h"

// The built-in set's own layout over the codes it loads; the others keep theirs.
void placeBuiltinEncoding(TextEncoding& encoding, BuiltinCharset which);
// A font placed from `first` on: its console font's Unicode table where it has one, else ASCII
// and Latin-1, a BDF font's own when its codes are Unicode's (its glyphs sit at their codes).
// Says in `note` what of the table did not fit.
TextEncoding fontEncoding(const FontReading& reading, int first, std::string& note);
