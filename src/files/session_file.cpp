#include "files/session_file.h"

namespace {

constexpr RecordKind sessionKind{
    {'G', 'R', 'I', 'D', 'L', 'E', 'T', 'S'}, sessionVersion, 1, "session", "kept"};

} // namespace

std::vector<uint8_t> encodeSession(const Session& session) {
    return encodeRecord(sessionKind, session);
}

SessionReading decodeSession(std::span<const uint8_t> file) {
    return decodeRecord(sessionKind, file);
}
