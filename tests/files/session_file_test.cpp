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
    for (size_t i = 0; i < session.charset.size(); ++i) session.charset[i] = uint8_t(i * 3);
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y) session.mapCells[x][y] = (x * 5 + y) & 0xFF;
    session.mapWidth = 64;
    session.mapHeight = 30;
    session.paperColor = 0x123456;
    session.inkColor = 0xFEDCBA;
    session.currentChar = 201;
    session.range = {250, 3, true};
    session.gridOnMap = false;
    const SessionReading reading = decodeSession(encodeSession(session));
    EXPECT_EQ(reading.problem, "");
    EXPECT_EQ(reading.session, session);
}

TEST(SessionFile, DamagedAndForeignFilesAreRefused) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GRIDLET_TEST_DATA "/sessions")) {
        if (entry.path().extension() == ".py") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_NE(decodeSession(bytes).problem, "") << entry.path();
        ++files;
    }
    EXPECT_GE(files, 8);
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
    EXPECT_EQ(decodeRecentFiles(encodeRecentFiles(recent)), recent);
    for (const char* foreign :
         {"", "gridlet recent files 2\nfont /a\n", "font /a\n", "gridlet recent files 1\nfont /a",
          "gridlet recent files 1\nx /a\n"})
        EXPECT_TRUE(decodeRecentFiles(foreign).empty()) << foreign;
}

} // namespace
