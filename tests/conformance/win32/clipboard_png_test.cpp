// What another Windows program finds of the picture the program puts on the clipboard, besides
// the DIB the whole suite reads back: the registered "PNG" format.
#include <windows.h>

#include <cstring>

#include "conformance.h"
#include "toolkit/clipboard.h"

using namespace toolkit;

namespace {

uint32_t big_endian(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 |
           uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

// The clipboard's "PNG" bytes as another program takes them; none when it has no such form.
std::vector<uint8_t> png_on_clipboard() {
    std::vector<uint8_t> png;
    if (!OpenClipboard(nullptr)) return png;
    const UINT format = RegisterClipboardFormatW(L"PNG");
    if (const HANDLE memory = format ? GetClipboardData(format) : nullptr) {
        if (const auto* bytes = static_cast<const uint8_t*>(GlobalLock(memory))) {
            png.assign(bytes, bytes + GlobalSize(memory));
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return png;
}

using ClipboardPng = Conformance;

TEST_F(ClipboardPng, APictureIsAlsoAValidPngOfItsSize) {
    ClipboardData data{.text = "1,2\n"};
    data.picture = PixelBuffer(37, 5, rgb(0, 64, 255));
    ASSERT_TRUE(set_clipboard(data));
    const std::vector<uint8_t> png = png_on_clipboard();
    constexpr uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(png.size(), 45u); // signature, IHDR and IEND at the least
    EXPECT_EQ(std::memcmp(png.data(), signature, sizeof signature), 0);
    EXPECT_EQ(big_endian(png, 8), 13u);
    EXPECT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0);
    EXPECT_EQ(big_endian(png, 16), 37u);
    EXPECT_EQ(big_endian(png, 20), 5u);
    const std::string whole(png.begin(), png.end());
    EXPECT_NE(whole.find("IEND"), std::string::npos);
}

TEST_F(ClipboardPng, TextAloneLeavesNoPng) {
    ASSERT_TRUE(set_clipboard(ClipboardData{.text = "only text"}));
    EXPECT_TRUE(png_on_clipboard().empty());
}

} // namespace
