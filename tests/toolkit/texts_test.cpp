#include <cstdint>
#include <filesystem>
#include <limits>

#include <gtest/gtest.h>

#include "toolkit/texts.h"
#include "toolkit/windows.h"

namespace {

using namespace toolkit;

TEST(NumberTexts, DecimalHasOnlyTheMinusSign) {
    EXPECT_EQ(decimal_string(-5), "-5");
    EXPECT_EQ(decimal_string(0), "0");
    EXPECT_EQ(decimal_string(1234567), "1234567");
    EXPECT_EQ(decimal_string(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST(NumberTexts, HexIsUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(hex_string(0), "0");
    EXPECT_EQ(hex_string(10), "A");
    EXPECT_EQ(hex_string(0xBEEF01), "BEEF01");
    EXPECT_EQ(hex_string(-1), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(hex_string(-256), "FFFFFFFFFFFFFF00");
    EXPECT_EQ(hex_string(std::numeric_limits<int64_t>::min()), "8000000000000000");
}

TEST(PadLeft, FillsOnTheLeftOrCutsToTheWidth) {
    EXPECT_EQ(pad_left(hex_string(10), 2, "0"), "0A");
    EXPECT_EQ(pad_left(hex_string(255), 2, "0"), "FF");
    EXPECT_EQ(pad_left(hex_string(1024), 2, "0"), "40");
    EXPECT_EQ(pad_left("7", 3), "  7");
    EXPECT_EQ(pad_left("7", 3, ""), "  7");
    EXPECT_EQ(pad_left("7", 4, "*-"), "***7");
    EXPECT_EQ(pad_left("abc", 0, "0"), "");
    EXPECT_EQ(pad_left("abc", -3, "0"), "");
}

TEST(TextParts, RightPartCountsFromTheEnd) {
    EXPECT_EQ(right_part("font.BMP", 4), ".BMP");
    EXPECT_EQ(right_part("abc", 10), "abc");
    EXPECT_EQ(right_part("abc", 0), "");
    EXPECT_EQ(right_part("abc", -2), "");
}

TEST(TextParts, LowerCaseTouchesOnlyAsciiLetters) {
    EXPECT_EQ(lower_case(".BMP"), ".bmp");
    EXPECT_EQ(lower_case(right_part("Picture.BMP", 4)), ".bmp");
    EXPECT_EQ(lower_case("Az@[`{09"), "az@[`{09");
    EXPECT_EQ(lower_case("\xC3\x84X"), "\xC3\x84x"); // a non-ASCII capital stays intact
}

TEST(TextParts, TrimSpacesRemovesOnlyOuterSpaces) {
    EXPECT_EQ(trim_spaces("  a b  "), "a b");
    EXPECT_EQ(trim_spaces("    "), "");
    EXPECT_EQ(trim_spaces(""), "");
    EXPECT_EQ(trim_spaces("\tx "), "\tx");
}

TEST(CharString, GivesTheWindows1252CharacterInUtf8) {
    EXPECT_EQ(char_string(65), "A");
    EXPECT_EQ(char_string(32), " ");
    EXPECT_EQ(char_string(127), "\x7F");
    EXPECT_EQ(char_string(163), "\xC2\xA3");      // pound sign
    EXPECT_EQ(char_string(128), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(char_string(0x99), "\xE2\x84\xA2"); // trade mark
    EXPECT_EQ(char_string(0x9F), "\xC5\xB8");     // Y with diaeresis
    EXPECT_EQ(char_string(0x81), "\xC2\x81");     // undefined in Windows-1252: C1 control
    EXPECT_EQ(char_string(0xA0), "\xC2\xA0");
    EXPECT_EQ(char_string(255), "\xC3\xBF");
    EXPECT_EQ(char_string(256), "");
    EXPECT_EQ(char_string(-1), "");
}

TEST(PathPart, KeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(path_part("/home/user/fonts/c64.fnt"), "/home/user/fonts/");
    EXPECT_EQ(path_part("C:\\fonts\\c64.fnt"), "C:\\fonts\\");
    EXPECT_EQ(path_part("a\\b/c.fnt"), "a\\b/");
    EXPECT_EQ(path_part("c64.fnt"), "");
    EXPECT_EQ(path_part(""), "");
    EXPECT_EQ(path_part("/fonts/"), "/fonts/");
    EXPECT_EQ(path_part("\"/fonts/my font.fnt\""), "/fonts/");
    EXPECT_EQ(path_part("/fonts/a.fnt|/other/b.fnt"), "/fonts/");
}

TEST(ProcessFacts, CurrentDirectoryEndsInASeparator) {
    const auto before = std::filesystem::current_path();
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(current_directory(), before.string() + separator);
    std::filesystem::current_path(before.root_path()); // "/" or "C:\": already ends in one
    EXPECT_EQ(current_directory(), before.root_path().string());
    std::filesystem::current_path(before);
}

TEST(ProcessFacts, ParametersLoseTheirSurroundingQuotes) {
    start_toolkit({"\"/my fonts/a.fnt\"", "plain", "\"open"});
    EXPECT_EQ(count_program_parameters(), 3);
    EXPECT_EQ(program_parameter(0), "/my fonts/a.fnt");
    EXPECT_EQ(program_parameter(1), "plain");
    EXPECT_EQ(program_parameter(2), "open");
    EXPECT_EQ(program_parameter(3), "");
    EXPECT_EQ(program_parameter(-1), "");
    shut_down_toolkit();
    start_toolkit();
    EXPECT_EQ(count_program_parameters(), 0);
    shut_down_toolkit();
}

} // namespace
