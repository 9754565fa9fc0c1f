// The damaged VChar64 projects and Petmate workspaces of the malformed files' folder: each is
// refused with a reason and changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/petmate_file.h"
#include "files/vchar64_file.h"

namespace {

std::vector<uint8_t> contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MalformedForeignWork, EveryFileIsRefusedAndChangesNothing) {
    Document base;
    base.mapCells[4][4] = 44;
    int files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(GRIDLET_TEST_DATA) + "/malformed")) {
        const std::string extension = entry.path().extension().string();
        const std::vector<uint8_t> file = contents(entry.path());
        WorkReading reading;
        if (extension == vchar64Extension)
            reading = decodeVchar64Project(file, base);
        else if (extension == petmateExtension)
            reading = decodePetmateFile(file, base, 0);
        else
            continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_NE(reading.problem, "");
        EXPECT_EQ(reading.document, base);
    }
    EXPECT_GE(files, 11);
}

} // namespace
