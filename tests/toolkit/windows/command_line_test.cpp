// The command line split as the C runtime splits it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/windows/command_line.h"

namespace {

TEST(CommandLine, SplitsAsTheCRuntimeDoes) {
    const struct {
        std::wstring line;
        std::vector<std::string> words;
    } cases[] = {
        {L"gridlet.exe", {}},
        {L"\"C:\\Program Files\\gridlet.exe\"  a.fnt\tb", {"a.fnt", "b"}},
        {L"gridlet \"my font.fnt\" \"\"", {"my font.fnt", ""}},
        {L"gridlet a\\\\b\\c", {"a\\\\b\\c"}}, // backslashes not before a quote stay
        {L"gridlet a\\\"b \"c\\\\\" d", {"a\"b", "c\\", "d"}}, // 2n + 1, then 2n, before a quote
        {L"gridlet \"say \"\"hi\"\"\"", {"say \"hi\""}},
        {L"gridlet Zeichens\u00E4tze \u20AC.fnt", {"Zeichens\xC3\xA4tze", "\xE2\x82\xAC.fnt"}},
    };
    for (const auto& [line, words] : cases)
        EXPECT_EQ(toolkit::windows::command_line_words(line), words) << words.size();
}

} // namespace
