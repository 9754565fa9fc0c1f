// The questions and messages around writing a file, shared by every command that saves: the
// name asked for, and the save that says why it failed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The name chosen in the save requester, with the extension of the pattern chosen appended where
// the name lacks it, or "" when the requester was cancelled; its folder becomes lastFolder.
std::string askSaveName(std::string& lastFolder, const std::string& defaultPath,
                        const std::string& patterns,
                        std::initializer_list<std::string_view> extensions);
// Writes the file, or says "File Error:" with its name and why and gives false.
bool saveBytes(const std::string& name, std::span<const uint8_t> bytes);
