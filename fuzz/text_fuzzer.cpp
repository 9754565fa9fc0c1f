// The text operations on arbitrary texts, widths, positions and numbers, checked by what
// their results must be: pad_left fills or cuts to the width, right_part is a suffix,
// path_part the folder prefix, hex_string reads back as the value.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "toolkit/texts.h"

namespace {

[[noreturn]] void failure(const char* operation, const std::string& text) {
    std::fprintf(stderr, "property broken: %s of \"%s\"\n", operation, text.c_str());
    std::abort();
}

void checkPadLeft(const std::string& text, int width, const std::string& fill) {
    const std::string padded = toolkit::pad_left(text, width, fill);
    const size_t wanted = size_t(std::max(width, 0));
    if (padded.size() != wanted) failure("pad_left length", text);
    if (text.size() >= wanted) {
        if (padded != text.substr(0, wanted)) failure("pad_left cut", text);
        return;
    }
    const char filler = fill.empty() ? ' ' : fill[0];
    const size_t added = wanted - text.size();
    if (padded.substr(added) != text || padded.find_first_not_of(filler) < added)
        failure("pad_left fill", text);
}

void checkRightPart(const std::string& text, int count) {
    const std::string right = toolkit::right_part(text, count);
    const size_t wanted = std::min(size_t(std::max(count, 0)), text.size());
    if (right.size() != wanted || !text.ends_with(right)) failure("right_part", text);
}

// Everything up to the last separator of the name, which a leading quote does not belong to
// and a "|" ends.
void checkPathPart(const std::string& path) {
    const std::string folder = toolkit::path_part(path);
    std::string name = path.starts_with('"') ? path.substr(1) : path;
    name = name.substr(0, name.find('|'));
    if (!name.starts_with(folder)) failure("path_part prefix", path);
    if (!folder.empty() && !folder.ends_with('/') && !folder.ends_with('\\'))
        failure("path_part end", path);
    if (name.find_first_of("/\\", folder.size()) != std::string::npos)
        failure("path_part stops before the last separator", path);
}

void checkHexString(int64_t value) {
    const std::string hex = toolkit::hex_string(value);
    const std::string shown = std::to_string(value);
    if (hex.empty() || hex.size() > 16 ||
        hex.find_first_not_of("0123456789ABCDEF") != std::string::npos)
        failure("hex_string digits", shown);
    if (hex.size() > 1 && hex[0] == '0') failure("hex_string leading zero", shown);
    if (std::strtoull(hex.c_str(), nullptr, 16) != uint64_t(value))
        failure("hex_string value", shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int first = input.ConsumeIntegral<int>();
    const int second = input.ConsumeIntegralInRange<int>(-5, 300);
    const int64_t number = input.ConsumeIntegral<int64_t>();
    const std::string fill = input.ConsumeRandomLengthString(4);
    const std::string text = input.ConsumeRemainingBytesAsString();

    // Small widths and positions matter most; the whole int range is tried as well, except
    // as a width, which would ask for a text of gigabytes.
    const int small = first % 300;
    for (const int width : {small, second}) checkPadLeft(text, width, fill);
    for (const int count : {first, small, second}) checkRightPart(text, count);
    checkPathPart(text);
    checkHexString(number);
    checkHexString(first);
    return 0;
}
