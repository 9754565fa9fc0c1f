// The core's files on POSIX systems: FIFOs and devices, permissions and owners, links, and the
// folders the XDG variables name.
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <ostream>
#include <thread>
#include <utility>

#include "files_fixture.h"

namespace {

using namespace files_testing;
using namespace toolkit;

constexpr uid_t nobody = 65534;
constexpr uid_t stranger = 65533; // a second user without privileges

// Runs `action` as a user without privileges, since root writes into read-only folders: root forks
// a child that gives them up for good. 0 when the action succeeded, 1 when it failed, 2 when the
// privileges could not be dropped.
template <typename Action> int as_unprivileged_user(Action action, uid_t user = nobody) {
    if (geteuid() != 0) return action() ? 0 : 1;
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0) _exit(2);
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

// A shared sticky folder like /tmp ("shared") beside a folder of nobody's own ("home", holding
// "font.fnt"); in the shared one a link to the font, and one to a new name at home, owned by
// `owner`.
class StickyFolder : public PosixFiles {
  protected:
    void SetUp() override {
        PosixFiles::SetUp();
        if (geteuid() != 0) GTEST_SKIP() << "only root can make links of other users";
        ASSERT_EQ(chmod(folder.path().c_str(), 0755), 0);
        ASSERT_EQ(mkdir((folder / "shared").c_str(), 01777), 0);
        ASSERT_EQ(chmod((folder / "shared").c_str(), 01777), 0);
        ASSERT_EQ(mkdir((folder / "home").c_str(), 0700), 0);
        folder.write("home/font.fnt", old_font);
        ASSERT_EQ(chown((folder / "home").c_str(), nobody, nobody), 0);
        ASSERT_EQ(chown((folder / "home/font.fnt").c_str(), nobody, nobody), 0);
    }

    void plant_links(uid_t owner) {
        for (const auto& [link, target] : {std::pair{"shared/link", "home/font.fnt"},
                                           std::pair{"shared/new-link", "home/new.fnt"}}) {
            ASSERT_EQ(symlink((folder / target).c_str(), (folder / link).c_str()), 0);
            ASSERT_EQ(lchown((folder / link).c_str(), owner, owner), 0);
        }
    }

    const Bytes old_font = varied_bytes(2048, 20);
};

TEST_F(StickyFolder, AnotherUsersLinkIsNotFollowed) {
    ASSERT_NO_FATAL_FAILURE(plant_links(stranger));
    for (const char* link : {"shared/link", "shared/new-link"}) {
        SCOPED_TRACE(link);
        EXPECT_EQ(as_unprivileged_user([&] {
                      return create_file(0, folder / link) == 0 &&
                             last_file_problem().find("symbolic link") != std::string::npos;
                  }),
                  0);
    }
    EXPECT_EQ(folder.read("home/font.fnt"), old_font);
    EXPECT_EQ(sorted(folder.entries()), (std::vector<std::string>{"home", "shared"}));
    EXPECT_EQ(file_size(folder / "home/new.fnt"), file_missing);
}

TEST_F(StickyFolder, OwnLinkIsFollowed) {
    ASSERT_NO_FATAL_FAILURE(plant_links(nobody));
    EXPECT_EQ(as_unprivileged_user([&] { return save(folder / "shared/link", {7}) != 0; }), 0);
    EXPECT_EQ(folder.read("home/font.fnt"), Bytes{7});
}

// A rename over it is refused, so it is written in place, and stays its owner's.
TEST_F(StickyFolder, AnotherUsersWritableFileIsSavedInPlace) {
    folder.write("shared/theirs.fnt", old_font);
    ASSERT_EQ(chown((folder / "shared/theirs.fnt").c_str(), stranger, stranger), 0);
    ASSERT_EQ(chmod((folder / "shared/theirs.fnt").c_str(), 0666), 0);
    const Bytes new_content = varied_bytes(1000, 21);
    EXPECT_EQ(as_unprivileged_user([&] { return save(folder / "shared/theirs.fnt", new_content); }),
              0);
    EXPECT_EQ(folder.read("shared/theirs.fnt"), new_content);
    struct stat info {};
    ASSERT_EQ(stat((folder / "shared/theirs.fnt").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, stranger);
}

// The umask is the process's: a save that changed it for a moment would give files that another
// thread makes meanwhile the wrong permissions.
TEST_F(PosixFiles, SavesNeverChangeTheUmask) {
    const auto umask_now = [] {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with("Umask:")) return std::stoi(line.substr(6), nullptr, 8);
        return -1;
    };
    const int mask = umask_now();
    if (mask < 0) GTEST_SKIP() << "the system does not show the umask";
    std::atomic<bool> saving = true;
    std::atomic<int> seen_changed = 0;
    std::thread watcher([&] {
        while (saving)
            if (umask_now() != mask) ++seen_changed;
    });
    for (int i = 0; i < 100; ++i) save(folder / ("new" + std::to_string(i % 4)), {1});
    saving = false;
    watcher.join();
    EXPECT_EQ(seen_changed, 0);
    struct stat info {};
    ASSERT_EQ(stat((folder / "new0").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666u & ~mode_t(mask));
}

// A hard-linked file is written in place: the old contents wait in the backup folder until the
// new ones are on disk, so a save killed half-way leaves them there; one that ends leaves none.
TEST_F(PosixFiles, SaveInPlaceKeepsABackupUntilItEnds) {
    const Bytes old = varied_bytes(3000, 22), new_content = varied_bytes(6000, 23);
    folder.write("font.fnt", old);
    ASSERT_EQ(link((folder / "font.fnt").c_str(), (folder / "twin.fnt").c_str()), 0);
    set_backup_folder(folder / "state/backups/");

    const pid_t child = fork();
    if (child == 0) {
        detail::AtomicFile file(folder / "state/backups/");
        file.end_process_after(1000);
        if (file.open(folder / "font.fnt") && file.write(new_content.data(), new_content.size()))
            file.commit();
        _exit(0); // not reached: the commit ends the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 9);
    EXPECT_NE(folder.read("font.fnt"), old);
    const std::vector<std::string> left = leftover_backups();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(left[0].starts_with(folder / "state/backups/font.fnt.")) << left[0];
    EXPECT_EQ(folder.read(left[0].substr(folder.path().size() + 1)), old);

    ASSERT_EQ(std::remove(left[0].c_str()), 0);
    ASSERT_NE(save(folder / "font.fnt", new_content), 0);
    EXPECT_EQ(folder.read("twin.fnt"), new_content);
    detail::fail_writes_after(10);
    EXPECT_EQ(save(folder / "font.fnt", old), 0);
    EXPECT_EQ(folder.read("twin.fnt"), new_content);
    EXPECT_TRUE(leftover_backups().empty());
    set_backup_folder("");
}

TEST_F(PosixFiles, UserFoldersFollowXdg) {
    const char* own_home = std::getenv("HOME");
    const std::string home = own_home ? own_home : "";
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", folder.path().c_str(), 1);
    EXPECT_EQ(user_folder(UserFolder::state), folder / "state/");
    EXPECT_EQ(user_folder(UserFolder::config), folder / ".config/");
    setenv("XDG_STATE_HOME", "relative", 1); // ignored: only absolute paths count
    EXPECT_EQ(user_folder(UserFolder::state), folder / ".local/state/");
    unsetenv("HOME"); // then nothing is kept, not even under the current folder
    EXPECT_EQ(user_folder(UserFolder::state), "");
    EXPECT_EQ(user_folder(UserFolder::config), "");
    setenv("HOME", home.c_str(), 1);
}

} // namespace
