#include "app/whole_files.h"

#include <algorithm>

#include "toolkit/files.h"

using namespace toolkit;

namespace {

constexpr int fileNumber = 0;

} // namespace

std::optional<std::vector<uint8_t>> readFile(const std::string& name, int64_t most) {
    if (!open_file_for_reading(fileNumber, name)) return std::nullopt;
    std::vector<uint8_t> bytes(size_t(std::max<int64_t>(most, 0)));
    bytes.resize(size_t(read_data(fileNumber, bytes.data(), int64_t(bytes.size()))));
    close_file(fileNumber);
    return bytes;
}

bool writeFile(const std::string& name, std::span<const uint8_t> bytes) {
    if (!create_file(fileNumber, name)) return false;
    const int64_t length = int64_t(bytes.size());
    const bool written = length == 0 || write_data(fileNumber, bytes.data(), length) == length;
    // Closed even after a failed write: closing is what throws the unfinished file away.
    const bool closed = close_file(fileNumber) != 0;
    return written && closed;
}

std::string withReason(const std::string& name, const std::string& why) {
    return why.empty() ? name : name + "\n" + why + ".";
}

std::string saveFailedText(const std::string& name) {
    return "File Error:" + withReason(name, last_file_problem());
}
