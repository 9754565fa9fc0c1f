// Every export read back by a program nobody here wrote, then opened (or pasted) by gridlet
// again: the same glyphs.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "file_command_test.h"
#include "files/png_file.h"
#include "files/source_name.h"
#include "model/glyph_look.h"
#include "model/palettes.h"
#include "toolkit/clipboard.h"

namespace {

// What the command printed; the test fails when it does not end with status 0.
std::string run(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        while (size_t got = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
        EXPECT_EQ(pclose(pipe), 0) << command << "\n" << output;
    }
    return output;
}

std::string text(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FormatRoundTrip : public FileCommandTest {
  protected:
    void SetUp() override {
        FileCommandTest::SetUp();
        g.ui.choose_menu_item(mainWindow, charsetIbmCgaId);
        g.run();
        set = g.document().charset;
    }

    // Opens the file into an erased set from code 0 and expects the set back.
    void expectOpensAsTheSet(const std::string& path) {
        SCOPED_TRACE(path);
        g.ui.choose_menu_item(mainWindow, eraseCharsetId);
        g.clickGlyph(0);
        chooseWithFile(openId, path, 2);
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(g.document().charset, set);
    }
    // Pastes the text at code 0 of an erased set and expects the set back.
    void expectPastesAsTheSet(const std::string& path) {
        SCOPED_TRACE(path);
        g.ui.choose_menu_item(mainWindow, eraseCharsetId);
        g.clickGlyph(0);
        g.ui.clipboard = toolkit::ClipboardData{.text = text(path)};
        g.ui.choose_menu_item(mainWindow, pasteId);
        g.run();
        EXPECT_EQ(messages(), std::vector<Message>{});
        EXPECT_EQ(g.document().charset, set);
    }
    Bytes setBytes() const { return Bytes(set.begin(), set.end()); }

    Charset set;
};

TEST_F(FormatRoundTrip, PictureIsReadByPillowAndOpensAgain) {
    chooseWithFile(exportPngId, folder / "set");
    const std::string pixels =
        run("/usr/bin/python3 -c \"import PIL.Image, sys; i = PIL.Image.open(sys.argv[1]); "
            "print(i.size, ' '.join(''.join('#' if i.getpixel((16 + x * 2, 64 + y * 2))[0] > 128 "
            "else '.' for x in range(8)) for y in range(8)))\" " +
            folder / "set.png");
    // 'A' (code 65) at column 1 of row 4: 30 78 CC CC FC CC CC 00.
    EXPECT_EQ(pixels, "(256, 256) ..##.... .####... ##..##.. ##..##.. ######.. ##..##.. ##..##.. "
                      "........\n");
    expectOpensAsTheSet(folder / "set.png");
}

TEST_F(FormatRoundTrip, ConsoleFontIsReadByPsfxtableWithItsUnicodeTable) {
    chooseWithFile(exportPsfId, folder / "set.psf");
    run("psfxtable -i " + folder / "set.psf" + " -o " + folder / "copy.psf" + " -ot " +
        folder / "table.txt");
    const std::string table = text(folder / "table.txt");
    EXPECT_NE(table.find("0x041\tU+0041"), std::string::npos) << table.substr(0, 400);
    EXPECT_NE(table.find("0x0db\tU+2588"), std::string::npos); // the full block
    expectOpensAsTheSet(folder / "copy.psf");
}

TEST_F(FormatRoundTrip, BdfIsCompiledByBdftopcfAndItsBitsComeBack) {
    chooseWithFile(exportBdfId, folder / "set.bdf");
    run("bdftopcf -o " + folder / "set.pcf" + " " + folder / "set.bdf");
    run("pcf2bdf -o " + folder / "back.bdf" + " " + folder / "set.pcf");
    const std::string back = text(folder / "back.bdf");
    const size_t a = back.find("ENCODING 65");
    ASSERT_NE(a, std::string::npos);
    EXPECT_NE(back.find("BITMAP\n30\n78\nCC\nCC\nFC\nCC\nCC\n00", a), std::string::npos);
    expectOpensAsTheSet(folder / "back.bdf");
}

TEST_F(FormatRoundTrip, C64FontHasItsLoadAddressAndOpensAgain) {
    chooseWithFile(exportC64Id, folder / "set");
    const Bytes file = folder.read("set.64c");
    ASSERT_EQ(file.size(), 2u + 2048u);
    EXPECT_EQ(file[0], 0x00);
    EXPECT_EQ(file[1], 0x38);
    expectOpensAsTheSet(folder / "set.64c");
}

TEST_F(FormatRoundTrip, CSourceCompilesIntoAProgramThatPrintsTheSet) {
    chooseWithFile(exportCSourceId, folder / "my font");
    std::ofstream(folder / "main.c") << "#include <stdio.h>\n#include \"my font.c\"\n"
                                        "int main(void) { fwrite(my_font, 1, sizeof my_font, "
                                        "stdout); return 0; }\n";
    run("gcc -Wall -Werror -o " + folder / "print" + " '" + folder / "main.c" + "'");
    run("'" + folder / "print" + "' > " + folder / "printed");
    EXPECT_EQ(folder.read("printed"), setBytes());
    expectPastesAsTheSet(folder / "my font.c");
}

TEST_F(FormatRoundTrip, SourceCommentsNameTheSetsOwnCharacters) {
    g.ui.choose_menu_item(mainWindow, charsetC64Id);
    g.run();
    chooseWithFile(exportCSourceId, folder / "c64.c");
    chooseWithFile(exportAssemblerId, folder / "c64.s");
    for (const auto& [file, letter, spade] :
         {std::tuple{"c64.c", "}, /* 1 'A' */\n", "}, /* 65 */\n"},
          std::tuple{"c64.s", " ; 1 'A'\n", " ; 65\n"}}) {
        const std::string source = text(folder / file);
        EXPECT_NE(source.find(letter), std::string::npos) << file;
        EXPECT_NE(source.find(spade), std::string::npos) << file; // no character of its own
    }
}

TEST_F(FormatRoundTrip, AssemblerSourcesAssembleToTheSet) {
    // ca65 and ld65 for the 6502; z80asm for both Z80 forms.
    chooseWithFile(exportAssemblerId, folder / "set", 0);
    run("ca65 -o " + folder / "set.o" + " " + folder / "set.s");
    run("ld65 -t none -o " + folder / "set6502.bin" + " " + folder / "set.o");
    EXPECT_EQ(folder.read("set6502.bin"), setBytes());
    for (const auto& [pattern, extension] : {std::pair{2, ".asm"}, std::pair{3, ".z80"}}) {
        chooseWithFile(exportAssemblerId, folder / "z", pattern);
        run("z80asm -o " + folder / "z80.bin" + " " + folder / ("z" + std::string(extension)));
        EXPECT_EQ(folder.read("z80.bin"), setBytes()) << extension;
        expectPastesAsTheSet(folder / ("z" + std::string(extension)));
    }
    expectPastesAsTheSet(folder / "set.s");
    chooseWithFile(exportBasicId, folder / "set");
    expectPastesAsTheSet(folder / "set.bas");
}

// The program's text with NAME made the identifier and FILE the export's name.
std::string filled(std::string program, const std::string& name, const std::string& file) {
    for (const auto& [mark, value] :
         {std::pair<std::string_view, std::string>{"NAME", name}, {"FILE", file}})
        for (size_t at; (at = program.find(mark)) != std::string::npos;)
            program.replace(at, mark.size(), value);
    return program;
}

// Every source export under file names that are words of its language or no names at all, built
// by the real compiler or assembler into a program that takes the array or label by the name
// gridlet gave it: the bytes come out again.
TEST_F(FormatRoundTrip, SourcesUnderAwkwardFileNamesBuildWithTheirTools) {
    const Document& document = g.document();
    folder.write("cells.map", noise(size_t(document.mapWidth * document.mapHeight), 3));
    openMap("cells.map");
    Bytes cells;
    for (int y = 0; y < document.mapHeight; ++y)
        for (int x = 0; x < document.mapWidth; ++x)
            cells.push_back(uint8_t(document.mapCells[x][y]));
    Bytes labelled{2, 0}; // a word before the set holds the label's address
    labelled.insert(labelled.end(), set.begin(), set.end());
    // stdbool.h makes bool, true and false macros, as C23 makes them keywords.
    const char* c = "#include <stdbool.h>\n#include <stdio.h>\n#include \"FILE\"\n"
                    "int main(void) { fwrite(NAME, 1, sizeof NAME, stdout); return 0; }\n";
    const char* gcc = "gcc -Wall -Wextra -pedantic -Werror -o print main.c && ./print > out.bin";
    const char* z80 = "        defw NAME\ninclude \"FILE\"\n";
    const struct {
        int menu, pattern;
        const char* extension;
        SourceLanguage language;
        const char *program, *programFile, *build;
        Bytes expected;
    } exports[] = {
        {exportCSourceId, 0, ".c", SourceLanguage::c, c, "main.c", gcc, setBytes()},
        {exportMapCSourceId, 0, ".c", SourceLanguage::c, c, "main.c", gcc, cells},
        {exportAssemblerId, 0, ".s", SourceLanguage::ca65,
         "        .word NAME\n.include \"FILE\"\n", "main.s",
         "ca65 -o main.o main.s && ld65 -t none -S 0 -o out.bin main.o", labelled},
        {exportAssemblerId, 1, ".a", SourceLanguage::acme, "        !word NAME\n!source \"FILE\"\n",
         "main.a", "acme --setpc 0 -f plain -o out.bin main.a", labelled},
        {exportAssemblerId, 2, ".asm", SourceLanguage::z80, z80, "main.asm",
         "z80asm -o out.bin main.asm", labelled},
        {exportAssemblerId, 3, ".z80", SourceLanguage::z80, z80, "main.asm",
         "z80asm -o out.bin main.asm", labelled},
    };
    for (const auto& e : exports)
        for (const char* name :
             {"a", "x", "y", "f", "z", "for", "int", "char", "true", "asm", "_Bool", "1font",
              "my-font", "my font", "ünïcode", "nop", "LDA", "hl", "sp"}) {
            const std::string file = name + std::string(e.extension);
            SCOPED_TRACE(file);
            chooseWithFile(e.menu, folder / name, e.pattern);
            std::ofstream(folder / e.programFile)
                << filled(e.program, sourceNameOf(file, e.language).identifier, file);
            run("cd '" + folder.path() + "' && rm -f out.bin && " + e.build);
            EXPECT_EQ(folder.read("out.bin"), e.expected);
        }
}

// Pillow's reading of the picture's pixels from (left, top), every step-th one across, as one
// letter a pixel by the colours' names (a colour not named is '?'), a line a glyph row.
std::string pillowLetters(const std::string& path, int left, int top, int width, int step,
                          const std::vector<std::pair<Color, char>>& names) {
    const std::string output =
        run("/usr/bin/python3 -c \"import PIL.Image, sys; i = PIL.Image.open(sys.argv[1]).convert("
            "'RGB'); l, t, w, s = map(int, sys.argv[2:]); print(*i.size); "
            "[print(*[c for x in range(w) for c in i.getpixel((l + x * s, t + y * s))]) "
            "for y in range(8)]\" " +
            path + " " + std::to_string(left) + " " + std::to_string(top) + " " +
            std::to_string(width) + " " + std::to_string(step));
    std::istringstream in(output);
    int pictureWidth = 0, pictureHeight = 0;
    in >> pictureWidth >> pictureHeight;
    std::string letters = std::to_string(pictureWidth) + " x " + std::to_string(pictureHeight);
    for (int y = 0; y < 8; ++y) {
        letters += "\n";
        for (int x = 0; x < width; ++x) {
            int red = 0, green = 0, blue = 0;
            in >> red >> green >> blue;
            const Color color = Color(red | green << 8 | blue << 16);
            const auto named = std::ranges::find(names, color, &std::pair<Color, char>::first);
            letters += named != names.end() ? named->second : '?';
        }
    }
    return letters;
}

TEST_F(FormatRoundTrip, C64MulticolourPicturesShowWidePixelsInTheirRegistersColours) {
    g.ui.choose_menu_item(mainWindow, colorModeId + 2);
    g.ui.choose_menu_item(mainWindow, mapC64Id);
    // 'A' in two cells: colour RAM 13 keeps the first multicolour, 3 makes the second single
    // colour in cyan.
    folder.write("a.map", {65, 65});
    chooseWithFile(openId, folder / "a.map", 1);
    folder.write("a.col", {13, 3});
    chooseWithFile(openId, folder / "a.col", 3);
    chooseWithFile(exportPngId, folder / "set.png");
    chooseWithFile(exportMapPictureId, folder / "map.png");
    ASSERT_TRUE(messages().empty());

    // Bit pairs 00, 01, 10 take $D021, $D022, $D023 and 11 colour RAM & 7; a single colour cell
    // shows its colour RAM value on $D021.
    const MachineColors& colors = g.document().machineColors;
    const std::vector<std::pair<Color, char>> names = {
        {c64Palette[colors.c64Background], '.'},
        {c64Palette[colors.c64Multi1], 'a'},
        {c64Palette[colors.c64Multi2], 'b'},
        {c64Palette[13 & 7], '#'},
        {c64Palette[3], 'c'},
    };
    // 'A': 30 78 CC CC FC CC CC 00; at scale 2 a wide pixel is four pixels wide, read here two
    // at a time.
    EXPECT_EQ(pillowLetters(folder / "set.png", 16, 64, 8, 2, names), "256 x 256\n"
                                                                      "..##....\n"
                                                                      "aa##bb..\n"
                                                                      "##..##..\n"
                                                                      "##..##..\n"
                                                                      "######..\n"
                                                                      "##..##..\n"
                                                                      "##..##..\n"
                                                                      "........");
    EXPECT_EQ(pillowLetters(folder / "map.png", 0, 0, 16, 1, names), "320 x 200\n"
                                                                     "..##......cc....\n"
                                                                     "aa##bb...cccc...\n"
                                                                     "##..##..cc..cc..\n"
                                                                     "##..##..cc..cc..\n"
                                                                     "######..cccccc..\n"
                                                                     "##..##..cc..cc..\n"
                                                                     "##..##..cc..cc..\n"
                                                                     "................");
}

} // namespace

// Random glyphs in every colour mode, with random colours the mode tells apart: the PNG picture
// and the BMP "Characters image" open again as the same bytes, also in another mode, since they
// say what drew them; the same pixels without that note open as the same bytes in the mode's own
// colours.
TEST_F(FormatRoundTrip, PicturesOpenAsTheBytesThatDrewThemInEveryColourMode) {
    std::mt19937 random(35);
    const auto distinct = [](const GlyphLook& look) {
        const size_t count = look.wide ? 4 : 2;
        for (size_t i = 0; i < count; ++i)
            for (size_t j = i + 1; j < count; ++j)
                if (look.colors[i] == look.colors[j]) return false;
        return true;
    };
    const auto opened = [&](const std::string& name, ColorMode mode) {
        g.ui.run([&] { g.state.editor.setColorMode(mode); });
        g.ui.choose_menu_item(mainWindow, eraseCharsetId);
        chooseWithFile(openId, folder / name, 2);
        EXPECT_EQ(messages(), std::vector<Message>{});
        return g.document().charset;
    };
    for (int mode = 0; mode < colorModeCount; ++mode)
        for (int trial = 0; trial < 3; ++trial) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", trial " << trial);
            g.ui.run([&] {
                Document& document = g.state.editor.changeDocument();
                for (uint8_t& byte : document.charset) byte = uint8_t(random());
                document.colorMode = ColorMode(mode);
                do {
                    document.paperColor = Color(random() & 0xFFFFFF);
                    document.inkColor = Color(random() & 0xFFFFFF);
                    MachineColors& colors = document.machineColors;
                    for (uint8_t* c64 : {&colors.c64Background, &colors.c64Multi1,
                                         &colors.c64Multi2, &colors.c64Ink})
                        *c64 = uint8_t(random() % 16);
                    for (uint8_t& atari : colors.atari) atari = uint8_t(random() & 0xFE);
                    colors.spectrumAttribute = uint8_t(random() & 0x7F);
                } while (!distinct(glyphLook(document)));
            });
            g.run();
            const Charset drawn = g.document().charset;
            const ColorMode other = ColorMode((mode + 1) % colorModeCount);
            chooseWithFile(exportPngId, folder / "set.png");
            chooseWithFile(saveImageId, folder / "set.bmp");
            EXPECT_EQ(opened("set.png", other), drawn);
            EXPECT_EQ(opened("set.bmp", other), drawn);
            folder.write("foreign.png", encodePng(decodePng(folder.read("set.png")).picture));
            EXPECT_EQ(opened("foreign.png", ColorMode(mode)), drawn);
        }
}
