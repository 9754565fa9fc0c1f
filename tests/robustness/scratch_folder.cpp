#include "scratch_folder.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>

#include "files/bdf_file.h"
#include "files/c64_font.h"
#include "files/glyph_picture.h"
#include "files/png_file.h"
#include "files/psf_file.h"

namespace fs = std::filesystem;

namespace {

// One file name may take up to 255 bytes.
const std::string longestFont = std::string(251, 'f') + ".fnt";
const std::string longestMap = std::string(251, 'm') + ".map";
const std::string tooLong = std::string(300, 'x') + ".fnt";

const std::vector<std::string> poolNames = {
    "a.fnt",     "b.fnt",    "c.map",     "d.map",          "e.bmp",       "plain",    "upper.FNT",
    "mixed.Map", "short.fn", "data.bin",  "with space.fnt", "ünïcode.fnt", "link.fnt", longestFont,
    "font.psf",  "font.bdf", "sheet.png", "strip.png",      "font.64c",    "cut.psf"};
const std::vector<std::string> missingNames = {
    "missing.fnt",     "missing.map", "missing",  "no-folder/x.fnt",
    "no-folder/y.map", "gone.bmp",    longestMap, tooLong};
const std::vector<std::string> folderNames = {"dir",     "dir.fnt", "dir.map",
                                              "dir.bmp", "dir/",    "dir.fnt/"};
const std::vector<std::string> fifoNames = {"pipe", "pipe.fnt", "pipe.map", "pipe.bmp"};
// Links that lead nowhere or in a circle. A save through a dangling link makes its target,
// where the target's folder exists.
const std::vector<std::string> linkNames = {"loop.fnt", "dangling.map", "dangling.fnt",
                                            "dirlink.fnt"};

// Sizes the program handles apart: empty, the 96-glyph question, map sizes, a whole charset.
int randomSize(MonkeyRandom& random) {
    if (random.chance(40))
        return random.pick({0, 1, 7, 8, 768, 960, 1000, 1024, 1920, 2048, 2049, 4000, 4001, 5000});
    return random.between(0, 5000);
}

// The temporary names the program's saves write under: "." + name + ".XXXXXX".
bool looksTemporary(const std::string& name) {
    return name.size() >= 9 && name[0] == '.' && name[name.size() - 7] == '.';
}

} // namespace

ScratchFolder::ScratchFolder() {
    std::string root = (fs::temp_directory_path() / "gridlet-monkey-XXXXXX").string();
    if (!mkdtemp(root.data())) throw std::runtime_error("no temporary folder");
    root_ = root + "/";
    files_ = root_ + "files/";
    working_ = root_ + "working/";
    fs::create_directory(files_);
    fs::create_directory(working_);
    // The programs' kept sessions and recent files stay here, where the monkey's names are.
    setenv("XDG_STATE_HOME", (root_ + "state").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root_ + "config").c_str(), 1);
    for (const char* folder : {"dir", "dir.fnt", "dir.map", "dir.bmp"})
        fs::create_directory(files_ + folder);
    for (const std::string& fifo : fifoNames) {
        if (mkfifo((files_ + fifo).c_str(), 0600) != 0) throw std::runtime_error("no FIFO");
    }
    fs::create_symlink("a.fnt", files_ + "link.fnt");
    fs::create_symlink("loop.fnt", files_ + "loop.fnt");
    fs::create_symlink("no-folder/x.map", files_ + "dangling.map");
    fs::create_symlink("gone.fnt", files_ + "dangling.fnt");
    fs::create_directory_symlink("dir", files_ + "dirlink.fnt");
    writeSamples();
}

// Fonts and pictures of the formats the program recognises, until random bytes replace them.
void ScratchFolder::writeSamples() const {
    Charset glyphs;
    for (size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = uint8_t(i * 13 + 5);
    const auto write = [this](const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(files_ + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    };
    const std::vector<uint8_t> psf = encodePsf(glyphs);
    write("font.psf", psf);
    write("cut.psf", std::vector<uint8_t>(psf.begin(), psf.begin() + 1000));
    const std::string bdf = encodeBdf(std::span(glyphs).first(800), 32, "sample");
    write("font.bdf", std::vector<uint8_t>(bdf.begin(), bdf.end()));
    write("sheet.png", encodePng(encodeGlyphSheet(glyphs, 0x000000, 0xFFFFFF, 2)));
    write("strip.png", encodePng(encodeGlyphStrip(std::span(glyphs).first(80), 0, 0xFFFFFF)));
    write("font.64c", encodeC64Font(glyphs));
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string ScratchFolder::freshFile(MonkeyRandom& random) {
    std::string name = poolFile(random);
    // The link stands for its target: rewriting it writes a.fnt.
    fs::remove_all(name == files_ + "link.fnt" ? files_ + "a.fnt" : name);
    std::ofstream out(name, std::ios::binary);
    const int size = randomSize(random);
    std::string bytes(size_t(size), '\0');
    for (char& byte : bytes) byte = char(random.byte());
    out.write(bytes.data(), size);
    return name;
}

std::string ScratchFolder::poolFile(MonkeyRandom& random) const {
    return files_ + random.pick(poolNames);
}

std::string ScratchFolder::missingName(MonkeyRandom& random) const {
    return files_ + random.pick(missingNames);
}

std::string ScratchFolder::folderName(MonkeyRandom& random) const {
    return files_ + random.pick(folderNames);
}

std::string ScratchFolder::fifoName(MonkeyRandom& random) const {
    return files_ + random.pick(fifoNames);
}

std::string ScratchFolder::linkName(MonkeyRandom& random) const {
    return files_ + random.pick(linkNames);
}

std::string ScratchFolder::anyName(MonkeyRandom& random) {
    switch (random.weighted({40, 20, 15, 10, 10, 5})) {
    case 0:
        return freshFile(random);
    case 1:
        return poolFile(random);
    case 2:
        return missingName(random);
    case 3:
        return folderName(random);
    case 4:
        return fifoName(random);
    default:
        return linkName(random);
    }
}

std::vector<std::string> ScratchFolder::strayEntries() const {
    std::vector<std::string> stray;
    for (const fs::directory_entry& entry : fs::directory_iterator(root_)) {
        const std::string name = entry.path().filename().string();
        if (name != "files" && name != "working" && name != "state" && name != "config")
            stray.push_back(entry.path().string());
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(working_))
        stray.push_back(entry.path().string());
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root_)) {
        if (looksTemporary(entry.path().filename().string()))
            stray.push_back(entry.path().string());
    }
    return stray;
}
