// UTF-8, as the clipboard's text and console fonts' Unicode tables carry it.
#pragma once

#include <span>
#include <string>

void appendUtf8(std::string& out, char32_t character);
// The character from `at` on, moving `at` past it; 0 for a damaged or overlong one.
char32_t readUtf8(std::span<const uint8_t> text, size_t& at);
