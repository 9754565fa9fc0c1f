#include "files/project_file.h"

#include <algorithm>

#include "files/kept_record.h"

namespace {

constexpr RecordKind projectKind{
    {'G', 'R', 'I', 'D', 'L', 'E', 'T', 'P'}, projectVersion, 1, "project", "saved"};

} // namespace

bool isProject(std::span<const uint8_t> file) {
    return file.size() >= projectKind.mark.size() &&
           std::equal(projectKind.mark.begin(), projectKind.mark.end(), file.begin());
}

std::vector<uint8_t> encodeProject(const Session& project) {
    return encodeRecord(projectKind, project);
}

SessionReading decodeProject(std::span<const uint8_t> file) {
    return decodeRecord(projectKind, file);
}
