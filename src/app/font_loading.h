// A font file read as Open reads it, apart from the questions and message boxes: what the
// menus, drops and the command-line conversion share.
#pragma once

#include <cstdint>
#include <string>

#include "files/font_reading.h"
#include "model/editor.h"
#include "model/glyph_look.h"

struct FontFileLoad {
    int64_t size = 0;      // as file_size gives it: negative for a missing file or a folder
    bool readable = false; // its bytes could be read
    FontReading reading;   // what they hold, when they could
    std::string failure;   // the message's title when the file is not loaded, else ""
    std::string failureText;

    bool loaded() const { return failure.empty(); }
};

// Reads and decodes the file; pictures from elsewhere are read in the look given, they and raw
// fonts at `height` rows a glyph.
FontFileLoad readFontFile(const std::string& name, const GlyphLook& look, int height);

// Gives the charset the reading's height, then puts what was read into it from the current char
// on, or at its own codes, and the characters the font names its codes with. Returns what of it
// was left out, for the note after it ("" when nothing).
std::string placeFontReading(Editor& editor, const FontReading& reading);
// The note said after a file was loaded.
std::string loadNoteText(const std::string& name, const std::string& note);
