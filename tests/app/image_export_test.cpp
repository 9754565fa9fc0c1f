// The charset picture saved with File > Save > "Characters image", read back byte by byte and
// by an independent BMP reader.
#include "file_command_test.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "toolkit/texts.h"

namespace {

using ImageExport = FileCommandTest;

// The headers, the note of the colours that drew the picture, the pixels.
constexpr size_t pixelOffset = 54 + 128;
constexpr size_t pictureBytes = pixelOffset + 196608;
constexpr size_t rowBytes = 768;

uint32_t littleEndian(const Bytes& bytes, size_t at, int length) {
    uint32_t value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

// The file's blue, green, red bytes of picture pixel (x, y), rows stored bottom-up.
toolkit::Color fileColor(const Bytes& file, int x, int y) {
    const size_t at = pixelOffset + size_t(255 - y) * rowBytes + 3 * size_t(x);
    return toolkit::rgb(file[at + 2], file[at + 1], file[at]);
}

TEST_F(ImageExport, RequesterOffersTheLastFolderAndTheBmpPattern) {
    const toolkit::FileRequest request = cancelledRequester(saveImageId);
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "Please choose file to save");
    EXPECT_EQ(request.folder + "/", toolkit::current_directory());
    ASSERT_EQ(request.patterns.size(), 1u);
    EXPECT_EQ(request.patterns[0].description, ".bmp");
    EXPECT_EQ(request.patterns[0].mask, "");
    EXPECT_TRUE(g.ui.messages_shown.empty());
}

TEST_F(ImageExport, HeaderDescribesA256By256Picture) {
    chooseWithFile(saveImageId, folder / "charset");
    const Bytes file = folder.read("charset.bmp");

    ASSERT_EQ(file.size(), pictureBytes);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(littleEndian(file, 2, 4), pictureBytes);
    EXPECT_EQ(littleEndian(file, 6, 4), 0u);
    EXPECT_EQ(littleEndian(file, 10, 4), pixelOffset);
    EXPECT_EQ(littleEndian(file, 14, 4), 40u);
    EXPECT_EQ(littleEndian(file, 18, 4), 256u);
    EXPECT_EQ(littleEndian(file, 22, 4), 256u);
    EXPECT_EQ(littleEndian(file, 26, 2), 1u);
    EXPECT_EQ(littleEndian(file, 28, 2), 24u);
    EXPECT_EQ(littleEndian(file, 30, 4), 0u);
    EXPECT_EQ(littleEndian(file, 34, 4), 196608u);
    for (size_t at = 38; at < 54; at += 4) EXPECT_EQ(littleEndian(file, at, 4), 0u);
    const std::string note =
        "gridlet:mode: two colours\nrows: 8\npixels: bits\ncolours: #000000 #FFFFFF\n";
    EXPECT_EQ(std::string(file.begin() + 54, file.begin() + 54 + ptrdiff_t(note.size())), note);
    EXPECT_EQ(g.state.windows.files.lastFolder, folder.path() + "/");
    EXPECT_TRUE(g.ui.messages_shown.empty());
}

TEST_F(ImageExport, LastFileRowHoldsTheTopRowOfGlyphZero) {
    folder.write("top.fnt", {0xA5});
    openFont("top.fnt");
    chooseWithFile(saveImageId, folder / "top.bmp");
    const Bytes file = folder.read("top.bmp");
    ASSERT_EQ(file.size(), pictureBytes);

    // 1 0 1 0 0 1 0 1, each bit two pixels of three bytes, white for 1 and black for 0.
    Bytes expected;
    for (const int bit : {1, 0, 1, 0, 0, 1, 0, 1})
        expected.insert(expected.end(), 6, bit ? 0xFF : 0);
    const auto lastRow = file.begin() + pixelOffset + 255 * rowBytes;
    EXPECT_EQ(Bytes(lastRow, lastRow + 48), expected);
}

TEST_F(ImageExport, PixelsAreImageZeroExactly) {
    loadNoiseCharset();
    g.ui.choose_menu_item(mainWindow, charsetC64Id); // coloured paper and ink
    chooseWithFile(saveImageId, folder / "c64.bmp");
    const Bytes file = folder.read("c64.bmp");
    ASSERT_EQ(file.size(), pictureBytes);

    const toolkit::PixelBuffer& image = g.image(charsetImage);
    EXPECT_EQ(fileColor(file, 0, 0), toolkit::rgb(0x2E, 0x2C, 0x9B));
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            ASSERT_EQ(fileColor(file, x, y), image.color_at(x, y)) << x << "," << y;
        }
    }
}

TEST_F(ImageExport, BmpEndingInAnyCaseGetsNoSecondExtension) {
    chooseWithFile(saveImageId, folder / "upper.BMP");
    chooseWithFile(saveImageId, folder / "mixed.Bmp");
    chooseWithFile(saveImageId, folder / "font.fnt");

    EXPECT_EQ(folder.read("upper.BMP").size(), pictureBytes);
    EXPECT_EQ(folder.read("mixed.Bmp").size(), pictureBytes);
    EXPECT_EQ(folder.read("font.fnt.bmp").size(), pictureBytes);
    EXPECT_EQ(folder.entries().size(), 3u);
}

TEST_F(ImageExport, SavingOverALargerFileLeavesExactlyThePicture) {
    folder.write("big.bmp", noise(300000, 3));
    chooseWithFile(saveImageId, folder / "big.bmp");

    EXPECT_EQ(folder.read("big.bmp").size(), pictureBytes);
    EXPECT_TRUE(g.ui.messages_shown.empty());
}

TEST_F(ImageExport, WriteFailurePartWayKeepsTheOldFileAndIsReported) {
    const Bytes old = noise(1234, 4);
    folder.write("old.bmp", old);
    toolkit::detail::fail_writes_after(100000);
    chooseWithFile(saveImageId, folder / "old.bmp");

    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Save file", "File Error:" + folder / "old.bmp" +
                                                      "\nno space left on the device."}}));
    EXPECT_EQ(folder.read("old.bmp"), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"old.bmp"});
}

TEST_F(ImageExport, FolderUnderTheNameIsReportedAndNothingIsMade) {
    std::filesystem::create_directory(folder / "taken.bmp");
    chooseWithFile(saveImageId, folder / "taken.bmp");
    EXPECT_EQ(messages(), (std::vector<Message>{{"Save file", "File Error:" + folder / "taken.bmp" +
                                                                  "\nit is a folder."}}));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"taken.bmp"});
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(folder / "taken.bmp")));
}

// Debian's own Python first: it is the one that carries python3-pil.
std::string pythonWithPillow() {
    for (const std::string python : {"/usr/bin/python3", "python3"}) {
        const std::string probe = python + " -c 'import PIL.Image' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) return python;
    }
    return {};
}

std::string commandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (!pipe) return output;
    char chunk[65536];
    for (size_t got; (got = fread(chunk, 1, sizeof chunk, pipe.get())) > 0;)
        output.append(chunk, got);
    return output;
}

TEST_F(ImageExport, PillowReadsThePictureOfImageZero) {
    const std::string python = pythonWithPillow();
    if (python.empty()) GTEST_SKIP() << "python3 with PIL is not installed";
    loadNoiseCharset();
    g.ui.choose_menu_item(mainWindow, charsetC64Id);
    chooseWithFile(saveImageId, folder / "pillow.bmp");

    const std::string script = "import sys; from PIL import Image; "
                               "im = Image.open(sys.argv[1]); "
                               "print(im.format, im.mode, im.size[0], im.size[1]); "
                               "print(im.convert('RGB').tobytes().hex())";
    const std::string output =
        commandOutput(python + " -c \"" + script + "\" '" + folder / "pillow.bmp" + "'");
    const size_t lineEnd = output.find('\n');
    ASSERT_NE(lineEnd, std::string::npos) << output;
    EXPECT_EQ(output.substr(0, lineEnd), "BMP RGB 256 256");
    const std::string hex = output.substr(lineEnd + 1, 256 * 256 * 6);
    ASSERT_EQ(hex.size(), 256u * 256u * 6u);

    const toolkit::PixelBuffer& image = g.image(charsetImage);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const size_t at = (size_t(y) * 256 + size_t(x)) * 6;
            const auto channel = [&](size_t i) {
                return std::stoi(hex.substr(at + 2 * i, 2), nullptr, 16);
            };
            ASSERT_EQ(toolkit::rgb(channel(0), channel(1), channel(2)), image.color_at(x, y))
                << x << "," << y;
        }
    }
}

} // namespace
