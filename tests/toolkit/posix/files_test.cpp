// The core's files on POSIX systems: FIFOs and devices, permissions and owners, links, and the
// folders the XDG variables name.
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <ostream>
#include <utility>

#include "files_fixture.h"

namespace {

using namespace files_testing;
using namespace toolkit;

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

class PosixFiles : public Files {
  protected:
    void TearDown() override {
        Files::TearDown();
        chmod((folder / "locked").c_str(), 0700); // so that it can be emptied
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
};

TEST_F(PosixFiles, FifosAndDevicesAreNeitherReadNorWritten) {
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    for (const std::string& name : {folder / "fifo", std::string("/dev/null")}) {
        EXPECT_EQ(file_size(name), file_missing) << name;
        EXPECT_EQ(open_file_for_reading(0, name), 0) << name;
        EXPECT_EQ(create_file(0, name), 0) << name;
    }
    EXPECT_EQ(open_file_for_reading(0, "/dev/zero"), 0);
    EXPECT_EQ(file_size("/"), file_is_folder);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"fifo"});
}

TEST_F(PosixFiles, FifoIsTurnedDownWithoutWaitingForAWriter) {
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

TEST_F(PosixFiles, ReadOnlyFolderTakesNoFile) {
    ASSERT_NO_FATAL_FAILURE(make_locked_folder({1}));
    EXPECT_EQ(as_unprivileged_user([&] { return create_file(0, folder / "locked/out.fnt") == 0; }),
              0);
    EXPECT_EQ(file_size(folder / "locked/out.fnt"), file_missing);
}

TEST_F(PosixFiles, WritableFileInAReadOnlyFolderIsSavedInPlace) {
    ASSERT_NO_FATAL_FAILURE(make_locked_folder(varied_bytes(3000, 8)));
    const Bytes new_content = varied_bytes(1000, 9);
    EXPECT_EQ(
        as_unprivileged_user([&] { return save(folder / "locked/font.fnt", new_content) != 0; }),
        0);
    EXPECT_EQ(folder.read("locked/font.fnt"), new_content);
}

TEST_F(PosixFiles, HardLinkedFileIsWrittenInPlace) {
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

TEST_F(PosixFiles, ReplacedFileKeepsItsPermissions) {
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

TEST_F(PosixFiles, ReplacedFileKeepsItsOwnerAndGroup) {
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

class SaveThroughLinks : public PosixFiles, public ::testing::WithParamInterface<LinkedSave> {};

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
    PosixFiles, SaveThroughLinks,
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

TEST_F(PosixFiles, SavingThroughALinkLoopFailsAndChangesNothing) {
    ASSERT_EQ(symlink("b", (folder / "a").c_str()), 0);
    ASSERT_EQ(symlink("a", (folder / "b").c_str()), 0);
    EXPECT_EQ(save(folder / "a", {9}), 0);
    EXPECT_EQ(sorted(folder.entries()), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "a"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "b"));
}

TEST_F(PosixFiles, UserFoldersFollowXdg) {
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", folder.path().c_str(), 1);
    EXPECT_EQ(user_folder(UserFolder::state), folder / "state/");
    EXPECT_EQ(user_folder(UserFolder::config), folder / ".config/");
    setenv("XDG_STATE_HOME", "relative", 1); // ignored: only absolute paths count
    EXPECT_EQ(user_folder(UserFolder::state), folder / ".local/state/");
}

} // namespace
