// The numbers a text gives as data, found the way the glyph text reader wants them: comments
// and quoted strings left out, and, in a program with data directives, only the directives'
// numbers. Each step looks at every character a bounded number of times.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct NumberWord {
    std::string_view text; // a number or a word, as written ("$3C", "0FFh", "font_1")
    bool negative = false; // a minus sign stood right before it
};

struct DataWords {
    std::vector<NumberWord> words; // in the order of the text
    bool directives = false;       // the text has data directives, and only theirs are here
};

// The text with its comments ("/* */", "//", ";") and quoted strings made blanks, line ends kept.
std::string withoutComments(std::string_view text);

// The words of a text without comments: those after the data directives (".byte", "db", BASIC's
// DATA...) when it has some, else all of them but in "[...]" (C array sizes) and on "#" lines.
DataWords dataWords(std::string_view uncommented);
