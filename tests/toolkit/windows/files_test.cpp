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
    EXPECT_EQ(read_back(forward), (Bytes{5, 6}));
    EXPECT_NE(make_folder(folder.path() + "/\xC3\xA4/\xE2\x82\xAC\\"), 0);
    EXPECT_TRUE(
        std::filesystem::is_directory(std::filesystem::path(folder.path()) / L"\u00E4\\\u20AC"));
}

// The old contents wait in the backup folder while the new ones are written, and go when the save
// ends, whether it succeeded or failed.
TEST_F(Files, HardLinkedFileIsWrittenInPlace) {
    folder.write("font.fnt", varied_bytes(3000, 10));
    std::filesystem::create_hard_link(folder / "font.fnt", folder / "twin.fnt");
    set_backup_folder(folder / "state\\backups\\");
    const Bytes new_content = varied_bytes(6000, 11);
    ASSERT_NE(save(folder / "font.fnt", new_content), 0);
    EXPECT_EQ(folder.read("font.fnt"), new_content);
    EXPECT_EQ(folder.read("twin.fnt"), new_content);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "state\\backups"));
    detail::fail_writes_after(10);
    EXPECT_EQ(save(folder / "font.fnt", varied_bytes(100, 12)), 0);
    EXPECT_EQ(folder.read("twin.fnt"), new_content);
    EXPECT_TRUE(leftover_backups().empty());
    set_backup_folder("");
}

// A save through a symbolic link writes the file it names, however it is named (relative to the
// link's folder here), and the link stays; one that leads nowhere or in a loop is refused.
TEST_F(Files, SymbolicLinksAreFollowedToAnExistingFile) {
    const auto link = [&](const std::string& name, const wchar_t* points_to) {
        return CreateSymbolicLinkW(std::filesystem::path(folder / name).c_str(), points_to,
                                   SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    };
    std::filesystem::create_directory(folder / "sub");
    folder.write("real.fnt", {1, 1});
    const auto is_link = [&](const std::string& name) {
        const DWORD attributes = attributes_of(folder / name);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    };
    if (!link("sub/link.fnt", L"..\\real.fnt") || !is_link("sub/link.fnt"))
        GTEST_SKIP() << "no symbolic links here (this user may not make them, or Wine makes none)";
    ASSERT_TRUE(link("a", L"b") && link("b", L"a") && link("nowhere", L"missing.fnt"));

    ASSERT_NE(save(folder / "sub/link.fnt", {9}), 0);
    EXPECT_EQ(folder.read("real.fnt"), Bytes{9});
    for (const char* name : {"a", "nowhere"}) EXPECT_EQ(save(folder / name, {9}), 0) << name;
    for (const char* name : {"sub/link.fnt", "a", "b", "nowhere"})
        EXPECT_TRUE(is_link(name)) << name;
    EXPECT_EQ(sorted(folder.entries()),
              (std::vector<std::string>{"a", "b", "nowhere", "real.fnt", "sub"}));
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
