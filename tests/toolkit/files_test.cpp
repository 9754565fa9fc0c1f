// The core's files as every system has them.
#include <filesystem>
#include <tuple>

#include "files_fixture.h"

namespace {

using namespace files_testing;
using namespace toolkit;

TEST_F(Files, SizeTellsFilesFoldersAndNothing) {
    folder.write("empty", {});
    folder.write("ten", Bytes(10, 1));

    EXPECT_EQ(file_size(folder / "empty"), 0);
    EXPECT_EQ(file_size(folder / "ten"), 10);
    EXPECT_EQ(file_size(folder.path()), file_is_folder);
    EXPECT_EQ(file_size(folder.path() + "/"), file_is_folder);
    EXPECT_EQ(file_size(folder.path() + "\\"), file_is_folder);
    EXPECT_EQ(file_size(folder / "missing"), file_missing);
    EXPECT_EQ(file_size(folder / "ten/inside"), file_missing);
    EXPECT_EQ(file_size(""), file_missing);
}

TEST_F(Files, OnlyRegularFilesOpenForReading) {
    EXPECT_EQ(open_file_for_reading(0, folder / "missing"), 0);
    EXPECT_EQ(open_file_for_reading(0, ""), 0);
    EXPECT_EQ(open_file_for_reading(0, folder.path()), 0);
}

TEST_F(Files, ReadingPastTheEndGivesNothingAndStaysAtTheEnd) {
    folder.write("three", {7, 8, 9});
    ASSERT_NE(open_file_for_reading(0, folder / "three"), 0);
    Bytes all(3);
    EXPECT_EQ(read_data(0, all.data(), 3), 3);
    EXPECT_EQ(all, (Bytes{7, 8, 9}));
    Bytes rest(4, 0xEE);
    EXPECT_EQ(read_data(0, rest.data(), 4), 0);
    EXPECT_EQ(read_data(0, rest.data(), 4), 0);
    EXPECT_NE(close_file(0), 0);
}

TEST_F(Files, BlocksReadTheSameAcrossBufferBoundaries) {
    const Bytes content = varied_bytes(10000, 1);
    folder.write("big", content);

    // Blocks of an odd size straddle every buffer boundary; the last one comes back short.
    EXPECT_EQ(read_back(folder / "big"), content);

    // One read larger than the buffer, after a few single bytes.
    ASSERT_NE(open_file_for_reading(0, folder / "big"), 0);
    Bytes mixed(20000);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(read_data(0, mixed.data() + i, 1), 1);
    EXPECT_EQ(read_data(0, mixed.data() + 3, 19997), 9997);
    mixed.resize(10000);
    EXPECT_EQ(mixed, content);
}

TEST_F(Files, NumbersThatAreNotOpenDoNothing) {
    uint8_t byte = 5;
    EXPECT_EQ(close_file(3), 0);
    EXPECT_EQ(read_data(3, &byte, 1), 0);
    EXPECT_EQ(write_data(3, &byte, 1), 0);
    EXPECT_EQ(open_file_for_reading(-1, "/etc/hostname"), 0);
    EXPECT_EQ(create_file(-1, folder / "negative"), 0);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(Files, WrittenBytesComeBackAfterClosing) {
    const Bytes block = varied_bytes(9000, 2);
    ASSERT_NE(create_file(7, folder / "out.fnt"), 0);
    EXPECT_EQ(write_one(7, 0x41), 1);
    EXPECT_EQ(write_data(7, block.data(), 0), 0);
    EXPECT_EQ(write_data(7, block.data(), static_cast<int64_t>(block.size())), 9000);
    EXPECT_EQ(write_one(7, 0xFE), 1);
    EXPECT_NE(close_file(7), 0);

    Bytes expected{0x41};
    expected.insert(expected.end(), block.begin(), block.end());
    expected.push_back(0xFE);
    EXPECT_EQ(read_back(folder / "out.fnt"), expected);
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
    write_one(0, 1);
    ASSERT_NE(create_file(0, folder / "second"), 0);
    write_one(0, 2);
    folder.write("third", {3});
    ASSERT_NE(open_file_for_reading(0, folder / "third"), 0);
    EXPECT_EQ(folder.read("first"), Bytes{1});
    EXPECT_EQ(folder.read("second"), Bytes{2});
    uint8_t byte = 0;
    EXPECT_EQ(read_data(0, &byte, 1), 1);
    EXPECT_EQ(byte, 3);
}

TEST_F(Files, ShuttingDownSavesWhatIsOpen) {
    ASSERT_NE(create_file(0, folder / "a"), 0);
    ASSERT_NE(create_file(9, folder / "b"), 0);
    write_one(0, 10);
    write_one(9, 90);
    shut_down_toolkit();
    start_toolkit();
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
        std::filesystem::create_hard_link(folder / "font.fnt", folder / "twin.fnt");
        names.push_back("twin.fnt");
    }

    ASSERT_NE(create_file(0, folder / "font.fnt"), 0);
    detail::fail_writes_after(budget);
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
    detail::fail_writes_after(100);
    const Bytes block = varied_bytes(5000, 7);
    EXPECT_EQ(write_data(0, block.data(), 5000), 0);
    detail::fail_writes_after(-1);
    EXPECT_EQ(write_one(0, 1), 0);
    EXPECT_EQ(close_file(0), 0);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(Files, CreatingWhereNoFileCanBeFailsAndMakesNothing) {
    folder.write("plain", {1, 2});
    ASSERT_TRUE(std::filesystem::create_directory(folder / "sub"));

    EXPECT_EQ(create_file(0, folder / "missing/out.fnt"), 0);
    EXPECT_EQ(create_file(0, folder / "plain/out.fnt"), 0);
    EXPECT_EQ(create_file(0, folder / "sub"), 0);

    EXPECT_EQ(close_file(0), 0);
    EXPECT_EQ(sorted(folder.entries()), (std::vector<std::string>{"plain", "sub"}));
    EXPECT_EQ(folder.read("plain"), (Bytes{1, 2}));
    EXPECT_EQ(file_size(folder / "sub"), file_is_folder);
}

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

TEST_F(Files, FoldersAreMadeWhole) {
    EXPECT_NE(make_folder(folder / "a/b/c/"), 0);
    EXPECT_EQ(file_size(folder / "a/b/c"), file_is_folder);
    folder.write("file", {1});
    EXPECT_EQ(make_folder(folder / "file/d"), 0);
}

} // namespace
