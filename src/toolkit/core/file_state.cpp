#include "toolkit/core/file_state.h"

#include "toolkit/core/native_files.h"

namespace toolkit::detail {

bool OpenFile::fill_buffer() {
    if (position < filled) return true;
    position = 0;
    filled = read_some(reader, buffer.data(), buffer.size());
    return filled > 0;
}

void OpenFile::flush_buffer() {
    if (filled > 0 && !writer.write(buffer.data(), filled)) write_failed = true;
    filled = 0;
}

bool OpenFile::close() {
    if (reader >= 0) {
        close_reader(reader);
        return true;
    }
    flush_buffer();
    return writer.commit();
}

void FileState::close_all() {
    for (auto& [number, file] : open)
        if (!file->close()) problem = file->writer.problem();
    open.clear();
}

} // namespace toolkit::detail
