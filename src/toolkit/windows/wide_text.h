// Windows takes paths and texts as UTF-16; the core keeps UTF-8.
#pragma once

#include <string>

namespace toolkit::windows {

std::wstring wide_text(const std::string& text);
std::string utf8_text(const std::wstring& text);

} // namespace toolkit::windows
