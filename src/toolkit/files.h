// Numbered files read and written byte by byte or in blocks, each with a 4096-byte buffer.
#pragma once

#include <cstdint>
#include <string>

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
int end_of_file(int file);
int read_byte(int file);
int64_t read_data(int file, void* buffer, int64_t length);
int write_byte(int file, int value);
int64_t write_data(int file, const void* buffer, int64_t length);

} // namespace toolkit
