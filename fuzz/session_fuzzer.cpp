// Kept sessions and recent-file lists of any content: refused with a reason, or read into
// values that, written again, give the same file back.
#include <string_view>

#include "files/recent_files.h"
#include "files/session_file.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    const SessionReading reading = decodeSession(file);
    if (reading.problem.empty()) {
        if (!isMapSize(reading.session.document.mapWidth, reading.session.document.mapHeight))
            fuzzFailure("a session of a map size gridlet does not know");
        if (decodeSession(encodeSession(reading.session)).session != reading.session)
            fuzzFailure("the session does not save back");
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<RecentFile> recent = decodeRecentFiles(text);
    if (recent.size() > recentFilesKept) fuzzFailure("more recent files than are kept");
    if (decodeRecentFiles(encodeRecentFiles(recent)) != recent)
        fuzzFailure("the recent files do not save back");
    return 0;
}
