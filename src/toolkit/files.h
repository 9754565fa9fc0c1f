// Numbered files read and written in blocks, each with a 4096-byte buffer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace toolkit {

constexpr int64_t file_missing = -1;   // file_size: no such file (or not a regular file)
constexpr int64_t file_is_folder = -2; // file_size: a directory

int64_t file_size(const std::string& name);
// Opens an existing regular file for reading; 0 when missing, unreadable or not a regular file.
int open_file_for_reading(int file, const std::string& name);
// Starts writing a file. The bytes go to a temporary file in the same folder that replaces the
// named file only when close_file succeeds, so a failed save never destroys the old file.
int create_file(int file, const std::string& name);
// Writes what is still buffered and closes the file. For a file made by create_file: non-zero
// only when every byte reached the disk and the file took its name; otherwise the temporary
// file is removed, the old file stays as it was, and the result is 0.
int close_file(int file);
int64_t read_data(int file, void* buffer, int64_t length);
int64_t write_data(int file, const void* buffer, int64_t length);

// Why the last open_file_for_reading, create_file, close_file of a created file or
// make_folder failed, in a few words ("permission denied", "no space left on the device", "it is
// a folder"); "" after one that succeeded.
std::string last_file_problem();

// A file written in place (one with other hard links, or that its folder lets be written but not
// replaced) keeps its old contents in a file of this folder from before its first new byte until
// its new contents are on disk, so that a save killed half-way loses nothing. "" (at start) keeps
// them in memory only.
void set_backup_folder(const std::string& folder);
// The backups of saves in place that never ended, for the user to look at: their full names.
std::vector<std::string> leftover_backups();

// Saves the whole file atomically on a thread of its own, so that the caller does not wait for
// the disk; a newer save of the same name replaces one that has not begun.
void save_file_later(const std::string& name, std::vector<uint8_t> bytes);
// Waits until every save handed over has ended; non-zero when all of them succeeded.
int finish_saves();
// Why the first save on the thread that failed since the last call failed; "" when none did.
std::string take_background_save_problem();

// The folders where a program keeps what it remembers between runs, ending in "/": its state
// (XDG_STATE_HOME, else ~/.local/state/) and its settings (XDG_CONFIG_HOME, else ~/.config/);
// "" when there is neither the variable nor a home folder, so that nothing is kept.
enum class UserFolder { state, config };
std::string user_folder(UserFolder which);
// Makes the folder and those above it that are missing, readable by the user alone; non-zero
// when it exists afterwards.
int make_folder(const std::string& path);

} // namespace toolkit
