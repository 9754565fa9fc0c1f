// The core's files on Windows: attributes, names outside ASCII, either separator, and the
// application data folders.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files_fixture.h"

namespace {

using namespace files_testing;
using namespace toolkit;

DWORD attributes_of(const std::filesystem::path& path) {
    return GetFileAttributesW(path.c_str());
}

TEST_F(Files, ReadOnlyFileIsNeitherReplacedNorLeftWithACompanion) {
    folder.write("rom.fnt", {1, 2, 3});
    const std::filesystem::path rom = folder / "rom.fnt";
    ASSERT_TRUE(SetFileAttributesW(rom.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(save(rom.string(), {9}), 0);
    EXPECT_EQ(folder.read("rom.fnt"), (Bytes{1, 2, 3}));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"rom.fnt"});
    SetFileAttributesW(rom.c_str(), FILE_ATTRIBUTE_NORMAL); // so that it can be emptied
}

TEST_F(Files, ReplacedFileKeepsItsAttributesAndANewOneIsPlain) {
    folder.write("kept.fnt", {1});
    const std::filesystem::path kept = folder / "kept.fnt";
    ASSERT_TRUE(SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(attributes_of(kept) & FILE_ATTRIBUTE_HIDDEN);
    ASSERT_NE(save(kept.string(), {2, 3}), 0);
    EXPECT_EQ(folder.read("kept.fnt"), (Bytes{2, 3}));
    EXPECT_TRUE(attributes_of(kept) & FILE_ATTRIBUTE_HIDDEN);

    // The temporary file is hidden while written; the saved one is not.
    ASSERT_NE(save(folder / "new.fnt", {4}), 0);
    EXPECT_FALSE(attributes_of(folder / "new.fnt") & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(sorted(folder.entries()), (std::vector<std::string>{"kept.fnt", "new.fnt"}));
}

// UTF-8 inside, UTF-16 at the system: a name outside ASCII and outside the code page, written with
// either separator, is the name the system shows.
TEST_F(Files, NamesOutsideAsciiAndEitherSeparatorReachTheSameFile) {
    const std::string utf8_name = "Zeichens\xC3\xA4tze \xE2\x82\xAC \xD0\x96.fnt";
    const std::filesystem::path wide =
        std::filesystem::path(folder.path()) / L"Zeichens\u00E4tze \u20AC \u0416.fnt";
    std::string forward = folder.path() + "/" + utf8_name;
    for (auto& c : forward)
        if (c == '\\') c = '/';

    ASSERT_NE(save(forward, {5, 6}), 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(wide));
    EXPECT_EQ(file_size(folder.path() + "\\" + utf8_name), 2);
    EXPECT_EQ(read_with_read_byte(forward), (Bytes{5, 6}));
    EXPECT_NE(make_folder(folder.path() + "/\xC3\xA4/\xE2\x82\xAC\\"), 0);
    EXPECT_TRUE(
        std::filesystem::is_directory(std::filesystem::path(folder.path()) / L"\u00E4\\\u20AC"));
}

TEST(UserFolders, AreTheApplicationDataFolders) {
    for (const auto& [which, variable] :
         {std::pair{UserFolder::state, "LOCALAPPDATA"}, std::pair{UserFolder::config, "APPDATA"}}) {
        const char* expected = std::getenv(variable);
        ASSERT_NE(expected, nullptr) << variable;
        EXPECT_EQ(user_folder(which), std::string(expected) + "\\") << variable;
    }
}

} // namespace
