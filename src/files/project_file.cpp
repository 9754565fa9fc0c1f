#include "files/project_file.h"

#include "files/kept_record.h"

namespace {

constexpr RecordKind projectKind{
    {'G', 'R', 'I', 'D', 'L', 'E', 'T', 'P'}, projectVersion, 1, 0, "project", "saved"};

} // namespace

std::vector<uint8_t> encodeProject(const Session& project) {
    return encodeRecord(projectKind, project);
}

SessionReading decodeProject(std::span<const uint8_t> file) {
    return decodeRecord(projectKind, file);
}
