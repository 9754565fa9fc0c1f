// The programs and screens that show the work on the machines, loaded and run as each machine
// would: the C64 and Atari programs on the tests' own 6502, the Spectrum screen drawn back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/atari_executable.h"
#include "files/c64_program.h"
#include "files/map_picture.h"
#include "files/spectrum_screen.h"
#include "model/palettes.h"
#include "mos6502.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Every glyph, code and colour different enough that a byte out of place shows.
Document busyDocument(ColorMode mode, int width, int height) {
    Document document;
    document.colorMode = mode;
    document.mapWidth = width;
    document.mapHeight = height;
    uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return uint8_t(seed >> 16);
    };
    for (uint8_t& byte : document.charset) byte = next();
    for (auto& column : document.mapCells)
        for (int32_t& code : column) code = next();
    for (auto& column : document.mapColors)
        for (uint8_t& color : column) color = next();
    document.machineColors = {3, 7, 9, {0x12, 0x34, 0x56, 0x78, 0x9A}, 10, 0x4D};
    document.c64Border = 5;
    return document;
}

uint16_t word(const Bytes& bytes, size_t at) {
    return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

// The C64 runs the file as BASIC's LOAD and RUN would: loaded at its address, started at the
// address of the SYS on its one line.
struct C64Run {
    Mos6502 cpu;
    Mos6502::Stop stop = Mos6502::Stop::tooManySteps;
};

void loadAndRunC64(const Bytes& file, C64Run& run) {
    ASSERT_GE(file.size(), 20u);
    ASSERT_EQ(word(file, 0), 0x0801);
    const size_t end = 0x0801 + file.size() - 2;
    std::copy(file.begin() + 2, file.end(), run.cpu.memory.begin() + 0x0801);
    const auto& memory = run.cpu.memory;
    const uint16_t link = uint16_t(memory[0x0801] | memory[0x0802] << 8);
    EXPECT_EQ(memory[0x0803] | memory[0x0804] << 8, 10); // the line number
    ASSERT_EQ(memory[0x0805], 0x9E);                     // SYS
    size_t at = 0x0806;
    while (memory[at] == ' ') ++at;
    int start = 0;
    for (; memory[at] >= '0' && memory[at] <= '9'; ++at) start = start * 10 + memory[at] - '0';
    ASSERT_EQ(memory[at], 0);                      // the line ends after the address
    ASSERT_EQ(link, at + 1);                       // the link leads to the next line...
    ASSERT_EQ(memory[link] | memory[link + 1], 0); // ...which is the end of the program
    ASSERT_LT(size_t(start), end);
    ASSERT_GT(start, link + 1);
    run.stop = run.cpu.run(uint16_t(start));
    // Nothing the program copies or sets lands on the file it came in.
    for (const Mos6502::Write write : run.cpu.writes)
        if (write.address >= 0x0801 && write.address < end) ADD_FAILURE() << write.address;
}

TEST(C64Program, ShowsTheMapInTheSetAndColoursOfTheDocument) {
    const struct {
        ColorMode mode;
        bool multicolor;
    } cases[] = {{ColorMode::c64Single, false},
                 {ColorMode::c64Multi, true},
                 {ColorMode::twoColors, false},
                 {ColorMode::atari4, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.mode));
        const Document document = busyDocument(c.mode, 40, 25);
        const MachineFile file = encodeC64Program(document);
        ASSERT_EQ(file.problem, "");
        C64Run run;
        loadAndRunC64(file.bytes, run);
        ASSERT_EQ(run.stop, Mos6502::Stop::waiting);
        const Mos6502& cpu = run.cpu;

        EXPECT_EQ(cpu.memory[0xDD00] & 3, 3) << "VIC-II bank 0";
        const int memorySetup = cpu.lastWrite(0xD018);
        const size_t screen = size_t(memorySetup >> 4) * 0x400;
        const size_t set = size_t((memorySetup >> 1) & 7) * 0x800;
        EXPECT_NE(set, 0x1000u) << "the VIC-II sees the character ROM there";
        EXPECT_NE(set, 0x1800u) << "the VIC-II sees the character ROM there";
        EXPECT_TRUE(std::equal(document.charset.begin(), document.charset.end(),
                               cpu.memory.begin() + long(set)));
        for (int row = 0; row < 25; ++row)
            for (int column = 0; column < 40; ++column) {
                const size_t cell = size_t(row * 40 + column);
                const int code = document.mapCells[size_t(column)][size_t(row)] & 0xFF;
                ASSERT_EQ(cpu.memory[screen + cell], code) << column << "," << row;
                const bool c64 = c.mode == ColorMode::c64Single || c.mode == ColorMode::c64Multi;
                const int color = c64 ? document.mapColors[size_t(column)][size_t(row)]
                                      : document.machineColors.c64Ink;
                ASSERT_EQ(cpu.memory[0xD800 + cell] & 15, color & 15) << column << "," << row;
            }

        const int control = cpu.lastWrite(0xD016);
        EXPECT_EQ((control & 0x10) != 0, c.multicolor);
        EXPECT_EQ(control & 0x0F, 0x08) << "40 columns, no scrolling";
        EXPECT_EQ(cpu.lastWrite(0xD011) & 0x78, 0x18) << "a text screen of 25 rows, shown";
        EXPECT_EQ(cpu.lastWrite(0xD020), document.c64Border);
        EXPECT_EQ(cpu.lastWrite(0xD021), document.machineColors.c64Background);
        EXPECT_EQ(cpu.lastWrite(0xD022), document.machineColors.c64Multi1);
        EXPECT_EQ(cpu.lastWrite(0xD023), document.machineColors.c64Multi2);
        EXPECT_EQ(cpu.lastWrite(0x0291) & 0x80, 0x80) << "shift and C= may switch the case";
    }
}

struct AtariSegment {
    uint16_t start;
    Bytes data;
};

// The binary load format: $FF $FF, then segments of start, end (inclusive) and data, each of
// which may again begin with $FF $FF.
std::vector<AtariSegment> atariSegments(const Bytes& file) {
    std::vector<AtariSegment> segments;
    EXPECT_TRUE(file.size() > 6 && word(file, 0) == 0xFFFF);
    size_t at = 2;
    while (at < file.size()) {
        if (word(file, at) == 0xFFFF) at += 2;
        EXPECT_LE(at + 4, file.size());
        if (at + 4 > file.size()) break;
        const uint16_t start = word(file, at), end = word(file, at + 2);
        EXPECT_LE(start, end);
        const size_t length = size_t(end - start + 1);
        EXPECT_LE(at + 4 + length, file.size());
        if (end < start || at + 4 + length > file.size()) break;
        segments.push_back(
            {start, Bytes(file.begin() + long(at + 4), file.begin() + long(at + 4 + length))});
        at += 4 + length;
    }
    return segments;
}

TEST(AtariExecutable, ShowsTheMapThroughADisplayListInTheDocumentsColours) {
    const struct {
        ColorMode mode;
        uint8_t antic;
    } cases[] = {{ColorMode::twoColors, 2}, {ColorMode::atari4, 4}, {ColorMode::c64Multi, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.mode));
        const Document document = busyDocument(c.mode, 40, 24);
        const MachineFile file = encodeAtariExecutable(document);
        ASSERT_EQ(file.problem, "");
        Mos6502 cpu;
        for (const AtariSegment& segment : atariSegments(file.bytes)) {
            // Above DOS, below the cartridge and the OS's own screen; or the run address.
            const size_t end = segment.start + segment.data.size();
            if (segment.start != 0x02E0) {
                EXPECT_TRUE(segment.start >= 0x2000 && end <= 0x8000) << segment.start;
            }
            std::copy(segment.data.begin(), segment.data.end(), cpu.memory.begin() + segment.start);
        }
        const uint16_t run = uint16_t(cpu.memory[0x02E0] | cpu.memory[0x02E1] << 8);
        ASSERT_EQ(cpu.run(run), Mos6502::Stop::waiting);
        const auto& memory = cpu.memory;

        const size_t list = size_t(memory[0x0230] | memory[0x0231] << 8);
        size_t at = list;
        while (memory[at] == 0x70) ++at; // eight blank lines each
        EXPECT_EQ(at - list, 3u);
        ASSERT_EQ(memory[at], 0x40 | c.antic) << "the first line loads the screen's address";
        const size_t screen = size_t(memory[at + 1] | memory[at + 2] << 8);
        at += 3;
        for (int line = 1; line < 24; ++line, ++at) ASSERT_EQ(memory[at], c.antic) << line;
        EXPECT_EQ(memory[at], 0x41) << "jump and wait for the vertical blank";
        EXPECT_EQ(size_t(memory[at + 1] | memory[at + 2] << 8), list);
        EXPECT_EQ(list / 0x400, (at + 2) / 0x400) << "a display list stays in its 1 KiB";
        EXPECT_EQ(screen / 0x1000, (screen + 959) / 0x1000) << "the screen stays in its 4 KiB";
        for (int row = 0; row < 24; ++row)
            for (int column = 0; column < 40; ++column)
                ASSERT_EQ(memory[screen + size_t(row * 40 + column)],
                          document.mapCells[size_t(column)][size_t(row)] & 0xFF)
                    << column << "," << row;

        EXPECT_EQ(memory[0x02F4] % 4, 0) << "a set of 128 glyphs starts on a 1 KiB boundary";
        EXPECT_TRUE(std::equal(document.charset.begin(), document.charset.begin() + 1024,
                               memory.begin() + memory[0x02F4] * 256));
        EXPECT_EQ(memory[0x02F3], 2) << "codes from 128 shown inverse";
        const auto& atari = document.machineColors.atari;
        const Bytes shadows(memory.begin() + 0x02C4, memory.begin() + 0x02C9);
        EXPECT_EQ(shadows, (Bytes{atari[colpf0], atari[colpf1], atari[colpf2], atari[colpf3],
                                  atari[colbk]}));
        EXPECT_EQ(memory[0x022F], 0x22) << "the screen is shown";
        EXPECT_EQ(cpu.lastWrite(0x004D), 0) << "attract mode is held off";
    }
}

// The Spectrum draws its screen memory: a pixel row of a cell is one byte, bit 7 leftmost, in
// the ink of its attribute when set and the paper when clear; flash as gridlet shows it, steady.
Picture drawSpectrumScreen(const Bytes& screen) {
    Picture picture{256, 192, std::vector<Color>(256 * 192)};
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x) {
            const int column = x / 8;
            const size_t pixels = size_t(y / 64 * 2048 + y % 8 * 256 + y / 8 % 8 * 32 + column);
            const int attribute = screen[size_t(6144 + y / 8 * 32 + column)];
            const bool ink = (screen[pixels] >> (7 - x % 8)) & 1;
            const int color = ink ? attribute & 7 : (attribute >> 3) & 7;
            picture.at(x, y) = spectrumPalette[size_t(color + ((attribute & 0x40) ? 8 : 0))];
        }
    return picture;
}

TEST(SpectrumScreen, DrawsAsTheMapPictureShowsTheMap) {
    const Document document = busyDocument(ColorMode::spectrum, 32, 24);
    const MachineFile screen = encodeSpectrumScreen(document);
    ASSERT_EQ(screen.bytes.size(), 6912u);
    const Picture expected = encodeMapPicture(document);
    const Picture drawn = drawSpectrumScreen(screen.bytes);
    ASSERT_EQ(drawn.width, expected.width);
    ASSERT_EQ(drawn.height, expected.height);
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x)
            ASSERT_EQ(drawn.at(x, y), expected.at(x, y)) << x << "," << y;
}

TEST(SpectrumScreen, GivesEveryCellThePaintingAttributeOutsideTheSpectrumMode) {
    const Document document = busyDocument(ColorMode::c64Multi, 32, 24);
    const Bytes screen = encodeSpectrumScreen(document).bytes;
    ASSERT_EQ(screen.size(), 6912u);
    EXPECT_EQ(Bytes(screen.begin() + 6144, screen.end()), Bytes(768, 0x4D));
}

TEST(SpectrumTape, HoldsAHeaderAndTheScreenAsTheRomSavesThem) {
    const Document document = busyDocument(ColorMode::spectrum, 32, 24);
    const Bytes screen = encodeSpectrumScreen(document).bytes;
    const struct {
        std::string name;
        std::string onTape;
    } cases[] = {
        {"title", "title     "}, {"much-too-long", "much-too-l"}, {"\xC2\xA3`", "???       "}};
    for (const auto& c : cases) {
        const Bytes tape = encodeSpectrumTape(document, c.name).bytes;
        ASSERT_EQ(tape.size(), 2u + 19 + 2 + 6914);
        std::vector<Bytes> blocks;
        for (size_t at = 0; at < tape.size(); at += 2 + word(tape, at)) {
            const Bytes block(tape.begin() + long(at + 2),
                              tape.begin() + long(at + 2 + word(tape, at)));
            uint8_t check = 0;
            for (const uint8_t byte : block) check ^= byte;
            EXPECT_EQ(check, 0) << "the XOR of the flag, the bytes and the check";
            blocks.push_back(block);
        }
        ASSERT_EQ(blocks.size(), 2u);
        const Bytes& header = blocks[0];
        ASSERT_EQ(header.size(), 19u);
        EXPECT_EQ(header[0], 0x00); // a header
        EXPECT_EQ(header[1], 3);    // of bytes
        EXPECT_EQ(std::string(header.begin() + 2, header.begin() + 12), c.onTape);
        EXPECT_EQ(word(header, 12), 6912);
        EXPECT_EQ(word(header, 14), 16384);
        EXPECT_EQ(blocks[1][0], 0xFF); // data
        EXPECT_EQ(Bytes(blocks[1].begin() + 1, blocks[1].end() - 1), screen);
    }
}

TEST(MachineFiles, NeedTheMapSizeOfTheirScreen) {
    const struct {
        MachineFile (*encode)(const Document&);
        int width, height;
        const char* problem;
    } cases[] = {
        {encodeC64Program, 32, 24, "A C64 screen is 40 x 25 cells; the map is 32 x 24"},
        {encodeC64Program, 40, 24, "A C64 screen is 40 x 25 cells; the map is 40 x 24"},
        {encodeAtariExecutable, 40, 25, "An Atari screen is 40 x 24 cells; the map is 40 x 25"},
        {encodeSpectrumScreen, 40, 24, "A Spectrum screen is 32 x 24 cells; the map is 40 x 24"},
        {[](const Document& document) { return encodeSpectrumTape(document, "x"); }, 80, 50,
         "A Spectrum screen is 32 x 24 cells; the map is 80 x 50"},
    };
    for (const auto& c : cases) {
        const MachineFile file = c.encode(busyDocument(ColorMode::twoColors, c.width, c.height));
        EXPECT_EQ(file.problem, c.problem);
        EXPECT_TRUE(file.bytes.empty()) << c.problem;
    }
}

} // namespace
