#include "files/session_file.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<uint8_t, 8> mark{'G', 'R', 'I', 'D', 'L', 'E', 'T', 'S'};
constexpr size_t cells = size_t(mapColumns) * mapRows;
// mark, version, the fields, the check sum
constexpr size_t sessionBytes = 8 + 4 + charsetBytes + cells + 2 + 4 + 4 + 1 + 1 + 1 + 1 + 1 + 4;

void put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(value >> shift));
}

uint32_t get32(std::span<const uint8_t> in, size_t at) {
    return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
           uint32_t(in[at + 3]) << 24;
}

// Adler-32: enough to tell a damaged file from a whole one.
uint32_t checkSum(std::span<const uint8_t> bytes) {
    uint32_t a = 1, b = 0;
    for (const uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

SessionReading refused(const char* why) {
    return {{}, why};
}

} // namespace

std::vector<uint8_t> encodeSession(const Session& session) {
    std::vector<uint8_t> out(mark.begin(), mark.end());
    out.reserve(sessionBytes);
    put32(out, sessionVersion);
    out.insert(out.end(), session.charset.begin(), session.charset.end());
    for (const auto& column : session.mapCells)
        for (const int32_t code : column) out.push_back(uint8_t(code));
    out.push_back(uint8_t(session.mapWidth));
    out.push_back(uint8_t(session.mapHeight));
    put32(out, session.paperColor);
    put32(out, session.inkColor);
    out.push_back(uint8_t(session.currentChar));
    out.push_back(uint8_t(session.range.begin));
    out.push_back(uint8_t(session.range.end));
    out.push_back(session.range.enabled ? 1 : 0);
    out.push_back(session.gridOnMap ? 1 : 0);
    put32(out, checkSum(out));
    return out;
}

SessionReading decodeSession(std::span<const uint8_t> file) {
    if (file.size() < mark.size() + 4 || !std::equal(mark.begin(), mark.end(), file.begin()))
        return refused("the file is no gridlet session");
    if (get32(file, 8) != sessionVersion)
        return refused("the session was kept by another version of gridlet");
    if (file.size() != sessionBytes) return refused("the session file is cut short or too long");
    if (get32(file, sessionBytes - 4) != checkSum(file.first(sessionBytes - 4)))
        return refused("the session file is damaged");
    SessionReading reading;
    Session& session = reading.session;
    size_t at = 12;
    std::copy_n(file.begin() + ptrdiff_t(at), charsetBytes, session.charset.begin());
    at += charsetBytes;
    for (auto& column : session.mapCells)
        for (int32_t& code : column) code = file[at++];
    session.mapWidth = file[at++];
    session.mapHeight = file[at++];
    session.paperColor = get32(file, at) & 0xFFFFFF;
    session.inkColor = get32(file, at + 4) & 0xFFFFFF;
    at += 8;
    session.currentChar = file[at++];
    session.range = {file[at], file[at + 1], file[at + 2] != 0};
    session.gridOnMap = file[at + 3] != 0;
    if (!isMapSize(session.mapWidth, session.mapHeight))
        return refused("the session's map has a size gridlet does not know");
    return reading;
}
