// The project file: a kept session's fields under a mark of its own; damaged or foreign files are
// refused with a reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/project_file.h"
#include "files/session_file.h"

namespace {

std::vector<uint8_t> projectSample(const std::string& name) {
    std::ifstream in(GRIDLET_TEST_DATA "/projects/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ProjectFile, TheSeedIsAWholeProjectThatSavesBackAlike) {
    const std::vector<uint8_t> whole = projectSample("../../fuzz-corpus/project/whole");
    const SessionReading reading = decodeProject(whole);
    ASSERT_EQ(reading.problem, "");
    EXPECT_EQ(reading.session.document.colorMode, ColorMode::c64Multi);
    EXPECT_EQ(reading.session.document.machineColors.c64Ink, 13);
    EXPECT_EQ(codeOfCharacter(reading.session.document.textEncoding, U'A'),
              1); // the C64's screen codes
    EXPECT_EQ(codeOfCharacter(reading.session.document.textEncoding, U'\u2663'), 88);
    EXPECT_EQ(encodeProject(reading.session), whole);
    // A session's encoding is not a project's, nor the other way round.
    EXPECT_EQ(decodeSession(whole).problem, "the file is no gridlet session");
    EXPECT_EQ(decodeProject(encodeSession(reading.session)).problem,
              "the file is no gridlet project");
}

TEST(ProjectFile, TheFirstVersionIsReadAsLatinOne) {
    const SessionReading reading = decodeProject(projectSample("../project-version-1"));
    ASSERT_EQ(reading.problem, "");
    EXPECT_EQ(reading.session.document.textEncoding, latinEncoding());
    EXPECT_EQ(reading.session.document.colorMode, ColorMode::c64Multi);
}

TEST(ProjectFile, DamagedAndForeignFilesAreRefusedWithTheirReason) {
    const std::string none = "the file is no gridlet project",
                      length = "the project file is cut short or too long",
                      colours = "the project's colours are ones gridlet does not know";
    const std::pair<const char*, std::string> cases[] = {
        {"empty", none},
        {"foreign", none},
        {"kept-session", none},
        {"other-version", "the project was saved by another version of gridlet"},
        {"truncated", length},
        {"one-byte-too-long", length},
        {"damaged", "the project file is damaged"},
        {"unknown-map-size", "the project's map has a size gridlet does not know"},
        {"unknown-colour-mode", colours},
        {"pen-beyond-3", colours},
        {"c64-colour-beyond-15", colours},
        {"border-beyond-15", colours},
        {"character-beyond-unicode",
         "the project's characters of the set are ones gridlet does not know"},
        {"characters-cut-short", length},
        {"glyph-height-0", "the project's glyphs are ones gridlet does not know"},
    };
    for (const auto& [name, problem] : cases)
        EXPECT_EQ(decodeProject(projectSample(name)).problem, problem) << name;
    // Every sample of the folder is in the table.
    const auto files =
        std::distance(std::filesystem::directory_iterator(GRIDLET_TEST_DATA "/projects"), {});
    EXPECT_EQ(size_t(files), std::size(cases) + 1); // and make.py
}

} // namespace
