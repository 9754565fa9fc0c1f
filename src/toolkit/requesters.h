// Modal requesters: file, colour and message boxes, and a choice from a list.
#pragma once

#include <string>
#include <vector>

namespace toolkit {

// message_requester flags and results.
enum MessageFlags : int { message_ok = 0, message_yes_no = 4 };
enum MessageResult : int { message_result_ok = 1, message_result_yes = 6, message_result_no = 7 };

// The pattern text is "description|mask|description|mask..."; entries count from 0.
// Both return the full path of the chosen file, or "" when the user cancels.
std::string open_file_requester(const std::string& title, const std::string& default_file,
                                const std::string& patterns, int pattern_index);
std::string save_file_requester(const std::string& title, const std::string& default_file,
                                const std::string& patterns, int pattern_index);
// Index of the pattern selected when the last file requester was confirmed; -1 after a cancel.
int selected_file_pattern();
// A colour 0x00BBGGRR, or -1 when cancelled. A start colour of -1 means black.
int color_requester(int start_color);
// flags 0: OK (result 1); flags 4: Yes (6) and No (7).
int message_requester(const std::string& title, const std::string& text, int flags);
// The index of the item chosen, or -1 when the user cancels (or there are no items). The first
// item is selected at the start. Only the first list_requester_items are shown; the title and
// each item are cut to list_requester_line_bytes, the text to list_requester_text_bytes.
constexpr int list_requester_items = 1000;
constexpr int list_requester_line_bytes = 256;
constexpr int list_requester_text_bytes = 2048;
int list_requester(const std::string& title, const std::string& text,
                   const std::vector<std::string>& items);

} // namespace toolkit
