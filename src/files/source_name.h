// The names that source exports give their array or label, made of the file's name.
#pragma once

#include <string>
#include <string_view>

#include "files/source_language.h"

struct SourceName {
    std::string identifier;
    // Why the file's name could not be the identifier as it is, a sentence for the file's first
    // comment; empty when it could.
    std::string note;
};

// The file's name up to its first dot, with accented Latin-1 letters as their base letters, any
// other character a name cannot hold as _, and font_ before a name that starts with no letter or
// _: "my font.c" gives my_font, "1font.bdf" font_1font. A BDF font and a BASIC REM name the set so.
std::string identifierOf(std::string_view fileName);

// The name above, made one the language takes: _ after one of its words (int_, a_), and font
// before a name C keeps for itself by its leading _ (font_Bool).
SourceName sourceNameOf(std::string_view fileName, SourceLanguage language);
