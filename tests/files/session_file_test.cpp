// The kept session and the recent files as files: every field comes back, damaged or foreign
// files are refused with a reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/recent_files.h"
#include "files/session_file.h"

namespace {

TEST(SessionFile, EveryFieldComesBack) {
    Session session;
    session.document.charset.height = 16; // past the 2048 bytes of the first edition
    for (size_t i = 0; i < session.document.charset.size(); ++i)
        session.document.charset[i] = uint8_t(i * 3);
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y) session.document.mapCells[x][y] = (x * 5 + y) & 0xFF;
    session.document.mapWidth = 64;
    session.document.mapHeight = 30;
    session.document.paperColor = 0x123456;
    session.document.inkColor = 0xFEDCBA;
    session.currentChar = 201;
    session.document.range = {250, 3, true};
    session.document.gridOnMap = false;
    session.document.colorMode = ColorMode::spectrum;
    session.document.machineColors = {15, 14, 13, {0x02, 0x14, 0x26, 0x38, 0xFE}, 9, 0xC7};
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y) session.document.mapColors[x][y] = uint8_t(x * 7 + y * 3);
    session.document.pen = 1;
    session.document.textEncoding.characters[7] = U'\U0001F600';
    session.document.textEncoding.own = 1;
    for (int i = 0; i < int(extraCharacterLimit); ++i)
        addExtraCharacter(session.document.textEncoding, char32_t(0x400 + i), 255 - i % 256);
    const SessionReading reading = decodeSession(encodeSession(session));
    EXPECT_EQ(reading.problem, "");
    EXPECT_EQ(reading.session, session);
}

std::vector<uint8_t> dataFile(const std::string& name) {
    std::ifstream in(GRIDLET_TEST_DATA "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SessionFile, VersionOneIsReadWithTheStartColours) {
    const SessionReading reading = decodeSession(dataFile("session-version-1"));
    ASSERT_EQ(reading.problem, "");
    Session expected;
    expected.document.charset[0] = 0x3C;
    for (auto& column : expected.document.mapCells) column.fill(0);
    expected.document.mapWidth = 80;
    expected.document.mapHeight = 50;
    expected.currentChar = 65;
    EXPECT_EQ(reading.session, expected);
}

TEST(SessionFile, DamagedAndForeignFilesAreRefusedWithTheirReason) {
    const std::string other = "the session was kept by another version of gridlet",
                      length = "the session file is cut short or too long",
                      colours = "the session's colours are ones gridlet does not know";
    const std::pair<const char*, std::string> cases[] = {
        {"empty", "the file is no gridlet session"},
        {"foreign", "the file is no gridlet session"},
        {"garbage", "the file is no gridlet session"},
        {"other-version", other},
        {"truncated", length},
        {"one-byte-too-long", length},
        {"colours-cut-short", length},
        {"version-1-with-colours", length},
        {"damaged", "the session file is damaged"},
        {"unknown-map-size", "the session's map has a size gridlet does not know"},
        {"unknown-colour-mode", colours},
        {"pen-beyond-3", colours},
        {"c64-colour-beyond-15", colours},
        {"border-beyond-15", colours},
        {"characters-cut-short", length},
        {"surrogate-character",
         "the session's characters of the set are ones gridlet does not know"},
        {"glyph-height-beyond-32", "the session's glyphs are ones gridlet does not know"},
        {"rows-past-the-glyphs", "the session's glyphs are ones gridlet does not know"},
    };
    for (const auto& [name, problem] : cases)
        EXPECT_EQ(decodeSession(dataFile("sessions/" + std::string(name))).problem, problem)
            << name;
    // Every sample of the folder is in the table.
    const auto files =
        std::distance(std::filesystem::directory_iterator(GRIDLET_TEST_DATA "/sessions"), {});
    EXPECT_EQ(size_t(files), std::size(cases) + 1); // and make.py
}

TEST(RecentFiles, NewestFirstEightAtMostEachOnce) {
    std::vector<RecentFile> recent;
    for (int i = 0; i < 10; ++i)
        rememberRecent(recent, {RecentFile::Kind::font, "/f/" + std::to_string(i) + ".fnt"});
    rememberRecent(recent, {RecentFile::Kind::map, "/f/5.fnt"}); // again, now as a map
    rememberRecent(recent, {RecentFile::Kind::font, "/f/line\nbreak.fnt"});
    ASSERT_EQ(recent.size(), 8u);
    EXPECT_EQ(recent[0], (RecentFile{RecentFile::Kind::map, "/f/5.fnt"}));
    EXPECT_EQ(recent[1].name, "/f/9.fnt");
    EXPECT_EQ(recent[7].name, "/f/2.fnt");
    // Every kind's entry reads back as written.
    recent[2].kind = RecentFile::Kind::mapColors;
    recent[3].kind = RecentFile::Kind::project;
    EXPECT_EQ(decodeRecentFiles(encodeRecentFiles(recent)), recent);
    for (const char* foreign :
         {"", "gridlet recent files 2\nfont /a\n", "font /a\n", "gridlet recent files 1\nfont /a",
          "gridlet recent files 1\nx /a\n"})
        EXPECT_TRUE(decodeRecentFiles(foreign).empty()) << foreign;
}

} // namespace
