#include "toolkit/files.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "toolkit/core/atomic_file.h"
#include "toolkit/core/native_files.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit {

namespace {

using detail::OpenFile;

OpenFile* find(int file) {
    auto& open = detail::file_state().open;
    const auto found = open.find(file);
    return found == open.end() ? nullptr : found->second.get();
}

OpenFile* find_reader(int file) {
    OpenFile* entry = find(file);
    return entry != nullptr && entry->reader >= 0 ? entry : nullptr;
}

OpenFile* find_writer(int file) {
    OpenFile* entry = find(file);
    return entry != nullptr && entry->reader < 0 ? entry : nullptr;
}

} // namespace

int64_t file_size(const std::string& name) {
    std::string path = name;
    while (path.size() > 1 && (path.ends_with('/') || path.ends_with('\\'))) path.pop_back();
    const detail::PathFacts facts = detail::path_facts(path);
    if (facts.kind == detail::PathKind::folder) return file_is_folder;
    return facts.kind == detail::PathKind::file ? facts.size : file_missing;
}

std::string last_file_problem() {
    return detail::file_state().problem;
}

int open_file_for_reading(int file, const std::string& name) {
    close_file(file);
    detail::FileState& files = detail::file_state();
    files.problem.clear();
    if (file < 0) return 0;
    const int reader = detail::open_reader(name, files.problem);
    if (reader < 0) return 0;
    auto opened = std::make_unique<OpenFile>();
    opened->reader = reader;
    files.open[file] = std::move(opened);
    return 1;
}

int create_file(int file, const std::string& name) {
    close_file(file);
    if (file < 0) return 0;
    detail::FileState& files = detail::file_state();
    auto opened = std::make_unique<OpenFile>(files.backup_folder, &files.write_budget);
    if (!opened->writer.open(name)) {
        files.problem = opened->writer.problem();
        return 0;
    }
    files.problem.clear();
    files.open[file] = std::move(opened);
    return 1;
}

int close_file(int file) {
    detail::FileState& files = detail::file_state();
    const auto found = files.open.find(file);
    if (found == files.open.end()) return 0;
    files.problem.clear();
    const bool closed = found->second->close();
    if (!closed) files.problem = found->second->writer.problem();
    files.open.erase(found);
    return closed ? 1 : 0;
}

int64_t read_data(int file, void* buffer, int64_t length) {
    OpenFile* entry = find_reader(file);
    if (entry == nullptr || buffer == nullptr || length <= 0) return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    int64_t done = 0;
    while (done < length && entry->fill_buffer()) {
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
        const size_t count = std::min<size_t>(length - done, OpenFile::buffer_size - entry->filled);
        std::memcpy(entry->buffer.data() + entry->filled, in + done, count);
        entry->filled += count;
        done += count;
        if (entry->filled == OpenFile::buffer_size) entry->flush_buffer();
    }
    return entry->write_failed ? 0 : length;
}

int make_folder(const std::string& path) {
    std::string& problem = detail::file_state().problem;
    problem.clear();
    return detail::make_folders(path, problem) ? 1 : 0;
}

void set_backup_folder(const std::string& folder) {
    detail::file_state().backup_folder = folder;
}

std::vector<std::string> leftover_backups() {
    const std::string& folder = detail::file_state().backup_folder;
    std::vector<std::string> found;
    if (folder.empty()) return found;
    for (const std::string& name : detail::folder_entries(folder))
        if (name.ends_with(detail::backup_ending)) found.push_back(folder + name);
    std::sort(found.begin(), found.end());
    return found;
}

// A save handed over keeps its old contents where they were to be kept when it was handed over.
void save_file_later(const std::string& name, std::vector<uint8_t> bytes) {
    detail::background_saves().add(name, std::move(bytes), detail::file_state().backup_folder);
}

int finish_saves() {
    return detail::background_saves().finish() ? 1 : 0;
}

std::string take_background_save_problem() {
    return detail::background_saves().take_problem();
}

} // namespace toolkit
