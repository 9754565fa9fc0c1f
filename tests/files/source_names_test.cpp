// The names source exports make of the file's name: valid in their language, none of its words,
// and the file's first comment saying why when the name had to change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/source_name.h"
#include "files/source_text.h"

namespace {

using Language = SourceLanguage;

TEST(SourceNames, EachLanguageGetsAValidNameThatIsNoneOfItsWords) {
    const struct {
        const char* file;
        Language language;
        const char* identifier;
    } cases[] = {
        {"a.s", Language::ca65, "a_"},
        {"a.c", Language::c, "a"},
        {"X.a", Language::acme, "X_"},
        {"f.s", Language::ca65, "f_"},
        {"f.a", Language::acme, "f"},
        {"LDA.s", Language::ca65, "LDA_"},
        {"bbr7.a", Language::acme, "bbr7_"},
        {"hl.asm", Language::z80, "hl_"},
        {"nop.z80", Language::z80, "nop_"},
        {"int.c", Language::c, "int_"},
        {"Int.c", Language::c, "Int"},
        {"_Bool.c", Language::c, "font_Bool"},
        {"_x.s", Language::ca65, "_x"},
        {"1font.c", Language::c, "font_1font"},
        {"/home/me/my font.h", Language::c, "my_font"},
        {"C:\\fonts\\my-font.v2.s", Language::ca65, "my_font"},
        {"ünïcode.c", Language::c, "unicode"},
        {"ÀÆÇØßÿ.a", Language::acme, "A_CO_y"},
        {"b\xff.s", Language::ca65, "b_"},
        {"日本.c", Language::c, "font__"},
        {".c", Language::c, "font_"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sourceNameOf(c.file, c.language).identifier, c.identifier) << c.file;
}

TEST(SourceNames, TheNoteSaysWhyTheNameChanged) {
    const struct {
        const char* file;
        Language language;
        const char* note;
    } cases[] = {
        {"plain.c", Language::c, ""},
        {"int.c", Language::c,
         "The file's name, int, is a word of C, so the array is called int_."},
        {"hl.z80", Language::z80,
         "The file's name, hl, is a word of Z80 assembler, so the label is called hl_."},
        {"_Bool.c", Language::c,
         "The file's name, _Bool, starts with _, which C keeps for itself, so the array is "
         "called font_Bool."},
        {"1font.c", Language::c,
         "The file's name, 1font, does not start with a letter, so the array is called "
         "font_1font."},
        {"my font.s", Language::ca65,
         "The file's name holds characters that names in ca65 cannot, so the label is called "
         "my_font."},
        {"1-x.a", Language::acme,
         "The file's name holds characters that names in ACME cannot and does not start with a "
         "letter, so the label is called font_1_x."},
    };
    for (const auto& c : cases) EXPECT_EQ(sourceNameOf(c.file, c.language).note, c.note);
}

// BDF fonts and BASIC REM lines take the name with no language's words set apart.
TEST(SourceNames, ThePlainNameOnlyMendsCharactersAndALeadingDigit) {
    const std::pair<const char*, const char*> cases[] = {
        {"int.bdf", "int"}, {"_Bool", "_Bool"}, {"1font.bas", "font_1font"}, {"ünï x", "uni_x"}};
    for (const auto& [file, name] : cases) EXPECT_EQ(identifierOf(file), name);
}

TEST(SourceNames, TheNoteFollowsTheFirstCommentsOwnLines) {
    const std::vector<uint8_t> glyph(8, 0x18);
    Document map;
    map.mapWidth = 2;
    map.mapHeight = 1;
    const std::pair<std::string, std::string> cases[] = {
        {encodeCSource(glyph, 65, {"int_", "Why."}, latinEncoding()),
         "/* int_: 1 glyphs of 8 x 8 pixels, a byte a row from the top, bit 7 the leftmost "
         "pixel.\n   Made with gridlet.\n   Why. */\nstatic const unsigned char int_[1][8] = {\n"},
        {encodeAssembler(glyph, 65, {"a_", "Why."}, Assembler::acme, latinEncoding()),
         "; a_: 1 glyphs of 8 x 8 pixels, a byte a row from the top, bit 7 the leftmost pixel.\n"
         "; Made with gridlet.\n; Why.\na_:\n"},
        {encodeMapCSource(map, {"int_", "Why."}),
         "/* int_: a character map of 2 x 1 cells, row by row, a character code a cell. Made "
         "with gridlet.\n   Why. */\nstatic const unsigned char int_[1][2] = {\n"},
    };
    for (const auto& [text, opening] : cases) EXPECT_EQ(text.substr(0, opening.size()), opening);
}

} // namespace
