#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <ostream>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "toolkit/atomic_file.h"
#include "toolkit/detail.h"
#include "toolkit/files.h"

namespace {

using namespace toolkit;
using Bytes = std::vector<uint8_t>;

// Runs `action` as a user without privileges, since root writes into read-only folders: root forks
// a child that gives them up for good. 0 when the action succeeded, 1 when it failed, 2 when the
// privileges could not be dropped.
template <typename Action> int as_unprivileged_user(Action action) {
    if (geteuid() != 0) return action() ? 0 : 1;
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        _exit(action() ? 0 : 1); // _exit: the child must not tidy up the parent's folder
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Bytes whose sequence does not repeat every 256, so a misplaced block shows.
Bytes varied_bytes(size_t count, uint32_t seed) {
    Bytes bytes(count);
    for (auto& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<uint8_t>(seed >> 24);
    }
    return bytes;
}

class Files : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.made()); }
    void TearDown() override {
        detail::close_all_files();
        detail::AtomicFile::fail_writes_after(-1);
        chmod((folder / "locked").c_str(), 0700); // so that it can be emptied
    }

    Bytes read_with_read_byte(const std::string& name) {
        Bytes bytes;
        EXPECT_NE(open_file_for_reading(0, name), 0);
        while (end_of_file(0) == 0) bytes.push_back(static_cast<uint8_t>(read_byte(0)));
        EXPECT_NE(close_file(0), 0);
        return bytes;
    }

    int save(const std::string& name, const Bytes& bytes) {
        if (create_file(0, name) == 0) return 0;
        write_data(0, bytes.data(), static_cast<int64_t>(bytes.size()));
        return close_file(0);
    }

    // "locked": a folder anyone may enter but no one (bar root) may write to, holding "font.fnt",
    // a file anyone may write.
    void make_locked_folder(const Bytes& content) {
        ASSERT_EQ(chmod(folder.path().c_str(), 0755), 0);
        ASSERT_EQ(mkdir((folder / "locked").c_str(), 0700), 0);
        folder.write("locked/font.fnt", content);
        ASSERT_EQ(chmod((folder / "locked/font.fnt").c_str(), 0666), 0);
        ASSERT_EQ(chmod((folder / "locked").c_str(), 0555), 0);
    }

    TempFolder folder;
};

TEST_F(Files, SizeTellsFilesFoldersAndNothing) {
    folder.write("empty", {});
    folder.write("ten", Bytes(10, 1));
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);

    EXPECT_EQ(file_size(folder / "empty"), 0);
    EXPECT_EQ(file_size(folder / "ten"), 10);
    EXPECT_EQ(file_size(folder.path()), file_is_folder);
    EXPECT_EQ(file_size(folder.path() + "/"), file_is_folder);
    EXPECT_EQ(file_size(folder.path() + "\\"), file_is_folder);
    EXPECT_EQ(file_size("/"), file_is_folder);
    EXPECT_EQ(file_size(folder / "missing"), file_missing);
    EXPECT_EQ(file_size(folder / "ten/inside"), file_missing);
    EXPECT_EQ(file_size(""), file_missing);
    EXPECT_EQ(file_size(folder / "fifo"), file_missing);
    EXPECT_EQ(file_size("/dev/null"), file_missing);
}

TEST_F(Files, OnlyRegularFilesOpenForReading) {
    EXPECT_EQ(open_file_for_reading(0, folder / "missing"), 0);
    EXPECT_EQ(open_file_for_reading(0, ""), 0);
    EXPECT_EQ(open_file_for_reading(0, folder.path()), 0);
    EXPECT_EQ(open_file_for_reading(0, "/dev/null"), 0);
    EXPECT_EQ(open_file_for_reading(0, "/dev/zero"), 0);
}

TEST_F(Files, FifoIsTurnedDownWithoutWaitingForAWriter) {
    const std::string fifo = folder / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto opening = std::async(std::launch::async, [&] { return open_file_for_reading(0, fifo); });
    if (opening.wait_for(std::chrono::seconds(3)) == std::future_status::timeout) {
        // Let the stuck open go by connecting a writer, then fail.
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        opening.wait();
        close(writer);
        FAIL() << "opening a FIFO blocked";
    }
    EXPECT_EQ(opening.get(), 0);
}

TEST_F(Files, ReadingPastTheEndGivesZerosAndStaysAtTheEnd) {
    folder.write("three", {7, 8, 9});
    ASSERT_NE(open_file_for_reading(0, folder / "three"), 0);
    EXPECT_EQ(end_of_file(0), 0);
    EXPECT_EQ(read_byte(0), 7);
    EXPECT_EQ(read_byte(0), 8);
    EXPECT_EQ(read_byte(0), 9);
    EXPECT_NE(end_of_file(0), 0);
    EXPECT_EQ(read_byte(0), 0);
    EXPECT_EQ(read_byte(0), 0);
    EXPECT_NE(end_of_file(0), 0);
    Bytes rest(4, 0xEE);
    EXPECT_EQ(read_data(0, rest.data(), 4), 0);
    EXPECT_NE(close_file(0), 0);
}

TEST_F(Files, EmptyFileIsAtItsEndAtOnce) {
    folder.write("empty", {});
    ASSERT_NE(open_file_for_reading(0, folder / "empty"), 0);
    EXPECT_NE(end_of_file(0), 0);
    EXPECT_EQ(read_byte(0), 0);
}

TEST_F(Files, BytesAndBlocksReadTheSameAcrossBufferBoundaries) {
    const Bytes content = varied_bytes(10000, 1);
    folder.write("big", content);

    EXPECT_EQ(read_with_read_byte(folder / "big"), content);

    // Blocks of an odd size straddle every buffer boundary; the last one comes back short.
    ASSERT_NE(open_file_for_reading(0, folder / "big"), 0);
    Bytes blocks;
    Bytes block(777);
    int64_t got = 0;
    while ((got = read_data(0, block.data(), 777)) > 0) {
        blocks.insert(blocks.end(), block.begin(), block.begin() + got);
        if (got < 777) {
            EXPECT_NE(end_of_file(0), 0);
        }
    }
    EXPECT_EQ(blocks, content);

    // One read larger than the buffer, after a few single bytes.
    ASSERT_NE(open_file_for_reading(0, folder / "big"), 0);
    Bytes mixed(3);
    for (auto& byte : mixed) byte = static_cast<uint8_t>(read_byte(0));
    mixed.resize(20000);
    EXPECT_EQ(read_data(0, mixed.data() + 3, 19997), 9997);
    mixed.resize(10000);
    EXPECT_EQ(mixed, content);
}

TEST_F(Files, NumbersThatAreNotOpenDoNothing) {
    uint8_t byte = 5;
    EXPECT_EQ(close_file(3), 0);
    EXPECT_EQ(end_of_file(3), 0);
    EXPECT_EQ(read_byte(3), 0);
    EXPECT_EQ(read_data(3, &byte, 1), 0);
    EXPECT_EQ(write_byte(3, 1), 0);
    EXPECT_EQ(write_data(3, &byte, 1), 0);
    EXPECT_EQ(open_file_for_reading(-1, "/etc/hostname"), 0);
    EXPECT_EQ(create_file(-1, folder / "negative"), 0);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(Files, WrittenBytesComeBackAfterClosing) {
    const Bytes block = varied_bytes(9000, 2);
    ASSERT_NE(create_file(7, folder / "out.fnt"), 0);
    EXPECT_EQ(write_byte(7, 0x141), 1);
    EXPECT_EQ(write_data(7, block.data(), 0), 0);
    EXPECT_EQ(write_data(7, block.data(), static_cast<int64_t>(block.size())), 9000);
    EXPECT_EQ(write_byte(7, 0xFE), 1);
    EXPECT_NE(close_file(7), 0);

    Bytes expected{0x41};
    expected.insert(expected.end(), block.begin(), block.end());
    expected.push_back(0xFE);
    EXPECT_EQ(read_with_read_byte(folder / "out.fnt"), expected);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.fnt"});
}

TEST_F(Files, SavingOverAFileReplacesItOnlyOnClose) {
    const Bytes old_content = varied_bytes(5000, 3);
    const Bytes new_content = varied_bytes(2048, 4);
    folder.write("font.fnt", old_content);

    ASSERT_NE(create_file(0, folder / "font.fnt"), 0);
    write_data(0, new_content.data(), 2048);
    EXPECT_EQ(folder.read("font.fnt"), old_content);
    EXPECT_NE(close_file(0), 0);
    EXPECT_EQ(folder.read("font.fnt"), new_content);
}

TEST_F(Files, ReopeningANumberClosesItsFileFirst) {
    ASSERT_NE(create_file(0, folder / "first"), 0);
    write_byte(0, 1);
    ASSERT_NE(create_file(0, folder / "second"), 0);
    write_byte(0, 2);
    folder.write("third", {3});
    ASSERT_NE(open_file_for_reading(0, folder / "third"), 0);
    EXPECT_EQ(folder.read("first"), Bytes{1});
    EXPECT_EQ(folder.read("second"), Bytes{2});
    EXPECT_EQ(read_byte(0), 3);
}

TEST_F(Files, CloseAllFilesSavesWhatIsOpen) {
    ASSERT_NE(create_file(0, folder / "a"), 0);
    ASSERT_NE(create_file(9, folder / "b"), 0);
    write_byte(0, 10);
    write_byte(9, 90);
    detail::close_all_files();
    EXPECT_EQ(folder.read("a"), Bytes{10});
    EXPECT_EQ(folder.read("b"), Bytes{90});
    EXPECT_EQ(close_file(0), 0);
}

// A budget for writes, and whether the old file has a second name (and so is written in place).
class FailedSave : public Files, public ::testing::WithParamInterface<std::tuple<int64_t, bool>> {};

TEST_P(FailedSave, KeepsTheOldFileAndLeavesNoTemporaryFile) {
    const auto [budget, hard_linked] = GetParam();
    const Bytes old_content = varied_bytes(3000, 5);
    const Bytes new_content = varied_bytes(10000, 6);
    folder.write("font.fnt", old_content);
    std::vector<std::string> names{"font.fnt"};
    if (hard_linked) {
        ASSERT_EQ(link((folder / "font.fnt").c_str(), (folder / "twin.fnt").c_str()), 0);
        names.push_back("twin.fnt");
    }

    ASSERT_NE(create_file(0, folder / "font.fnt"), 0);
    detail::AtomicFile::fail_writes_after(budget);
    write_data(0, new_content.data(), 6000);
    write_data(0, new_content.data() + 6000, 4000);
    EXPECT_EQ(close_file(0), 0);

    for (const auto& name : names) EXPECT_EQ(folder.read(name), old_content) << name;
    EXPECT_EQ(sorted(folder.entries()), names);
}

// At once, at a buffer boundary, in the middle and on the very last byte.
INSTANTIATE_TEST_SUITE_P(Files, FailedSave,
                         ::testing::Combine(::testing::Values(0, 4096, 5000, 9999),
                                            ::testing::Bool()));

TEST_F(Files, AFailedWriteStaysFailed) {
    ASSERT_NE(create_file(0, folder / "out"), 0);
    detail::AtomicFile::fail_writes_after(100);
    const Bytes block = varied_bytes(5000, 7);
    EXPECT_EQ(write_data(0, block.data(), 5000), 0);
    detail::AtomicFile::fail_writes_after(-1);
    EXPECT_EQ(write_byte(0, 1), 0);
    EXPECT_EQ(close_file(0), 0);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(Files, CreatingWhereNoFileCanBeFailsAndMakesNothing) {
    folder.write("plain", {1, 2});
    ASSERT_EQ(mkdir((folder / "sub").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);

    EXPECT_EQ(create_file(0, folder / "missing/out.fnt"), 0);
    EXPECT_EQ(create_file(0, folder / "plain/out.fnt"), 0);
    EXPECT_EQ(create_file(0, folder / "sub"), 0);
    EXPECT_EQ(create_file(0, folder / "fifo"), 0);
    EXPECT_EQ(create_file(0, "/dev/null"), 0);

    EXPECT_EQ(close_file(0), 0);
    auto entries = folder.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"fifo", "plain", "sub"}));
    EXPECT_EQ(folder.read("plain"), (Bytes{1, 2}));
    EXPECT_EQ(file_size(folder / "sub"), file_is_folder);
}

TEST_F(Files, ReadOnlyFolderTakesNoFile) {
    ASSERT_NO_FATAL_FAILURE(make_locked_folder({1}));
    EXPECT_EQ(as_unprivileged_user([&] { return create_file(0, folder / "locked/out.fnt") == 0; }),
              0);
    EXPECT_EQ(file_size(folder / "locked/out.fnt"), file_missing);
}

TEST_F(Files, WritableFileInAReadOnlyFolderIsSavedInPlace) {
    ASSERT_NO_FATAL_FAILURE(make_locked_folder(varied_bytes(3000, 8)));
    const Bytes new_content = varied_bytes(1000, 9);
    EXPECT_EQ(
        as_unprivileged_user([&] { return save(folder / "locked/font.fnt", new_content) != 0; }),
        0);
    EXPECT_EQ(folder.read("locked/font.fnt"), new_content);
}

TEST_F(Files, HardLinkedFileIsWrittenInPlace) {
    folder.write("font.fnt", varied_bytes(3000, 10));
    ASSERT_EQ(link((folder / "font.fnt").c_str(), (folder / "twin.fnt").c_str()), 0);
    struct stat before {};
    ASSERT_EQ(stat((folder / "font.fnt").c_str(), &before), 0);

    const Bytes new_content = varied_bytes(6000, 11);
    ASSERT_NE(save(folder / "font.fnt", new_content), 0);
    EXPECT_EQ(folder.read("font.fnt"), new_content);
    EXPECT_EQ(folder.read("twin.fnt"), new_content);
    struct stat after {};
    ASSERT_EQ(stat((folder / "twin.fnt").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
}

TEST_F(Files, ReplacedFileKeepsItsPermissions) {
    folder.write("shared.fnt", {1});
    ASSERT_EQ(chmod((folder / "shared.fnt").c_str(), 0640), 0);
    ASSERT_NE(save(folder / "shared.fnt", {2, 3}), 0);
    struct stat info {};
    ASSERT_EQ(stat((folder / "shared.fnt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t mask = umask(0);
    umask(mask);
    ASSERT_NE(save(folder / "new.fnt", {4}), 0);
    ASSERT_EQ(stat((folder / "new.fnt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
}

TEST_F(Files, ReplacedFileKeepsItsOwnerAndGroup) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    folder.write("shared.fnt", {1});
    ASSERT_EQ(chown((folder / "shared.fnt").c_str(), 12345, 12345), 0);
    ASSERT_NE(save(folder / "shared.fnt", {2, 3}), 0);
    struct stat info {};
    ASSERT_EQ(stat((folder / "shared.fnt").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 12345u);
    EXPECT_EQ(info.st_gid, 12345u);
}

// Symbolic links (name, where it points) made in order in a folder that has "sub"; a save through
// the first one writes `target`.
struct LinkedSave {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;
    std::string target;
    bool target_exists;
};

void PrintTo(const LinkedSave& save, std::ostream* out) {
    *out << save.name;
}

class SaveThroughLinks : public Files, public ::testing::WithParamInterface<LinkedSave> {};

TEST_P(SaveThroughLinks, WritesTheFinalTargetAndKeepsTheLinks) {
    const LinkedSave& param = GetParam();
    ASSERT_EQ(mkdir((folder / "sub").c_str(), 0700), 0);
    if (param.target_exists) folder.write(param.target, {1, 1, 1});
    for (const auto& [name, points_to] : param.links) {
        ASSERT_EQ(symlink(points_to.c_str(), (folder / name).c_str()), 0);
    }

    ASSERT_NE(save(folder / param.links.front().first, {9}), 0);
    EXPECT_EQ(folder.read(param.target), Bytes{9});
    EXPECT_FALSE(std::filesystem::is_symlink(folder / param.target));
    for (const auto& link : param.links) {
        EXPECT_TRUE(std::filesystem::is_symlink(folder / link.first)) << link.first;
    }
}

// Relative targets are relative to the folder of the link that holds them.
INSTANTIATE_TEST_SUITE_P(
    Files, SaveThroughLinks,
    ::testing::Values(LinkedSave{"ToAFile", {{"link.fnt", "real.fnt"}}, "real.fnt", true},
                      LinkedSave{"Dangling", {{"sub/link.fnt", "../real.fnt"}}, "real.fnt", false},
                      LinkedSave{"Chain",
                                 {{"link.fnt", "sub/middle"}, {"sub/middle", "../real.fnt"}},
                                 "real.fnt",
                                 true},
                      LinkedSave{"DanglingChain",
                                 {{"link.fnt", "sub/middle"}, {"sub/middle", "real.fnt"}},
                                 "sub/real.fnt",
                                 false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Files, SavingThroughALinkLoopFailsAndChangesNothing) {
    ASSERT_EQ(symlink("b", (folder / "a").c_str()), 0);
    ASSERT_EQ(symlink("a", (folder / "b").c_str()), 0);
    EXPECT_EQ(save(folder / "a", {9}), 0);
    EXPECT_EQ(sorted(folder.entries()), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "a"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "b"));
}

} // namespace

namespace {

// Two programs keeping one file: whichever writes last wins, and a reader never finds a mix.
TEST_F(Files, SavesOnAThreadOfTheirOwnLeaveTheFileWholeAndTheLastWins) {
    const Bytes first = varied_bytes(6000, 1), second = varied_bytes(6000, 2);
    const std::string name = folder / "session";
    for (int i = 0; i < 200; ++i) {
        save_file_later(name, i % 2 ? second : first);
        const Bytes seen = folder.read("session");
        if (!seen.empty()) {
            ASSERT_TRUE(seen == first || seen == second) << i;
        }
    }
    EXPECT_NE(finish_saves(), 0);
    EXPECT_EQ(folder.read("session"), second);
    save_file_later(folder / "no-folder/session", first);
    EXPECT_EQ(finish_saves(), 0);
}

TEST_F(Files, UserFoldersFollowXdgAndAreMadeWhole) {
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", folder.path().c_str(), 1);
    EXPECT_EQ(user_folder(UserFolder::state), folder / "state/");
    EXPECT_EQ(user_folder(UserFolder::config), folder / ".config/");
    setenv("XDG_STATE_HOME", "relative", 1); // ignored: only absolute paths count
    EXPECT_EQ(user_folder(UserFolder::state), folder / ".local/state/");
    EXPECT_NE(make_folder(folder / "a/b/c/"), 0);
    EXPECT_EQ(file_size(folder / "a/b/c"), file_is_folder);
    folder.write("file", {1});
    EXPECT_EQ(make_folder(folder / "file/d"), 0);
}

} // namespace
