// File names as long as the file system allows: a save writes under a temporary name first,
// which must not push a valid name over the limit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "gridlet_harness.h"
#include "scratch_folder.h"

namespace {

constexpr size_t longestName = 255; // bytes in one file name on Linux file systems

// -1 when there is no such file.
long long sizeOf(const std::string& name) {
    std::error_code missing;
    const auto size = std::filesystem::file_size(name, missing);
    return missing ? -1 : static_cast<long long>(size);
}

class LongNames : public ::testing::Test {
  protected:
    // A name in the scratch folder, exactly as long as the longest allowed.
    std::string longName(const std::string& extension) const {
        return folder.path() + std::string(longestName - extension.size(), 'n') + extension;
    }

    ScratchFolder folder;
    Gridlet g;
};

TEST_F(LongNames, AFontSavesUnderTheLongestName) {
    const std::string name = longName(".fnt");
    g.ui.answer_file(name);
    g.ui.choose_menu_item(mainWindow, 4); // "IBM 256 chars(2048bytes)"
    g.run();

    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(sizeOf(name), 2048);
    EXPECT_TRUE(folder.strayEntries().empty());
}

TEST_F(LongNames, TheCharsetPictureSavesOverAFileWithTheLongestName) {
    const std::string name = longName(".bmp");
    std::ofstream(name) << "an older picture";
    g.ui.answer_file(name);
    g.ui.choose_menu_item(mainWindow, 6); // "Characters image"
    g.run();

    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(sizeOf(name), 196790);
    EXPECT_TRUE(folder.strayEntries().empty());
}

TEST_F(LongNames, ANameLongerThanTheSystemAllowsIsReported) {
    const std::string name = folder.path() + std::string(longestName, 'n') + ".map";
    g.ui.answer_file(name);
    g.ui.choose_menu_item(mainWindow, 5); // "Character_map"
    g.run();

    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].text, "File Error:" + name + "\nits name is too long.");
    EXPECT_TRUE(folder.strayEntries().empty());
}

} // namespace
