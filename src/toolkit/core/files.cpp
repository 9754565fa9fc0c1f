#include "toolkit/files.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <utility>

#include "toolkit/core/atomic_file.h"
#include "toolkit/core/detail.h"
#include "toolkit/core/native_files.h"

namespace toolkit {

namespace {

constexpr size_t buffer_size = 4096;

std::string& file_problem() {
    static std::string problem;
    return problem;
}

// A file opened for reading has a reader; one being created writes through an AtomicFile.
struct OpenFile {
    int reader = -1;
    detail::AtomicFile writer;
    bool write_failed = false;
    std::array<uint8_t, buffer_size> buffer{};
    size_t position = 0; // next byte to hand out (reading)
    size_t filled = 0;   // bytes held in the buffer
};

std::map<int, std::unique_ptr<OpenFile>>& open_files() {
    static std::map<int, std::unique_ptr<OpenFile>> files;
    return files;
}

OpenFile* find(int file) {
    const auto found = open_files().find(file);
    return found == open_files().end() ? nullptr : found->second.get();
}

OpenFile* find_reader(int file) {
    OpenFile* entry = find(file);
    return entry != nullptr && entry->reader >= 0 ? entry : nullptr;
}

OpenFile* find_writer(int file) {
    OpenFile* entry = find(file);
    return entry != nullptr && entry->reader < 0 ? entry : nullptr;
}

// True when a byte is ready in the buffer, fetching the next block if needed.
bool fill_buffer(OpenFile& file) {
    if (file.position < file.filled) return true;
    file.position = 0;
    file.filled = detail::read_some(file.reader, file.buffer.data(), file.buffer.size());
    return file.filled > 0;
}

void flush_buffer(OpenFile& file) {
    if (file.filled > 0 && !file.writer.write(file.buffer.data(), file.filled)) {
        file.write_failed = true;
    }
    file.filled = 0;
}

int close_open_file(OpenFile& file) {
    if (file.reader >= 0) {
        detail::close_reader(file.reader);
        return 1;
    }
    flush_buffer(file);
    if (file.writer.commit()) return 1;
    detail::set_file_problem(file.writer.problem());
    return 0;
}

} // namespace

int64_t file_size(const std::string& name) {
    std::string path = name;
    while (path.size() > 1 && (path.ends_with('/') || path.ends_with('\\'))) path.pop_back();
    const detail::PathFacts facts = detail::path_facts(path);
    if (facts.kind == detail::PathKind::folder) return file_is_folder;
    return facts.kind == detail::PathKind::file ? facts.size : file_missing;
}

void detail::set_file_problem(std::string problem) {
    file_problem() = std::move(problem);
}

std::string last_file_problem() {
    return file_problem();
}

int open_file_for_reading(int file, const std::string& name) {
    close_file(file);
    file_problem().clear();
    if (file < 0) return 0;
    const int reader = detail::open_reader(name, file_problem());
    if (reader < 0) return 0;
    auto opened = std::make_unique<OpenFile>();
    opened->reader = reader;
    open_files()[file] = std::move(opened);
    return 1;
}

int create_file(int file, const std::string& name) {
    close_file(file);
    if (file < 0) return 0;
    auto opened = std::make_unique<OpenFile>();
    if (!opened->writer.open(name)) {
        file_problem() = opened->writer.problem();
        return 0;
    }
    file_problem().clear();
    open_files()[file] = std::move(opened);
    return 1;
}

int close_file(int file) {
    const auto found = open_files().find(file);
    if (found == open_files().end()) return 0;
    file_problem().clear();
    const int result = close_open_file(*found->second);
    open_files().erase(found);
    return result;
}

int64_t read_data(int file, void* buffer, int64_t length) {
    OpenFile* entry = find_reader(file);
    if (entry == nullptr || buffer == nullptr || length <= 0) return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    int64_t done = 0;
    while (done < length && fill_buffer(*entry)) {
        const size_t count = std::min<size_t>(length - done, entry->filled - entry->position);
        std::memcpy(out + done, entry->buffer.data() + entry->position, count);
        entry->position += count;
        done += count;
    }
    return done;
}

int64_t write_data(int file, const void* buffer, int64_t length) {
    OpenFile* entry = find_writer(file);
    if (entry == nullptr || buffer == nullptr || length <= 0) return 0;
    const auto* in = static_cast<const uint8_t*>(buffer);
    int64_t done = 0;
    while (done < length) {
        const size_t count = std::min<size_t>(length - done, buffer_size - entry->filled);
        std::memcpy(entry->buffer.data() + entry->filled, in + done, count);
        entry->filled += count;
        done += count;
        if (entry->filled == buffer_size) flush_buffer(*entry);
    }
    return entry->write_failed ? 0 : length;
}

void detail::close_all_files() {
    for (auto& [number, entry] : open_files()) close_open_file(*entry);
    open_files().clear();
}

} // namespace toolkit
