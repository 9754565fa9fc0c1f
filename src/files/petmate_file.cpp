#include "files/petmate_file.h"

#include <algorithm>
#include <optional>

#include "files/builtin_charsets.h"
#include "files/json_value.h"
#include "files/text_encoding.h"

namespace {

constexpr int newestVersion = 2;
constexpr double largestSide = 1024; // wider or taller screens are refused, not cut
constexpr std::string_view customFontId = "gridlet";

std::string_view textOf(std::span<const uint8_t> file) {
    return {reinterpret_cast<const char*>(file.data()), file.size()};
}

bool hasPetmateFields(const JsonValue& root) {
    const JsonValue* version = root.member("version");
    const JsonValue* framebufs = root.member("framebufs");
    return version && version->kind == JsonValue::Kind::number && framebufs &&
           framebufs->kind == JsonValue::Kind::array;
}

// The framebufs in the order of the screens, which name them by their index; in their own order
// when the file has no screen list. Empty when the list names a framebuf the file lacks.
std::vector<const JsonValue*> screensOf(const JsonValue& root) {
    const std::vector<JsonValue>& framebufs = root.member("framebufs")->items;
    std::vector<const JsonValue*> screens;
    const JsonValue* list = root.member("screens");
    if (!list || list->kind != JsonValue::Kind::array) {
        for (const JsonValue& framebuf : framebufs) screens.push_back(&framebuf);
        return screens;
    }
    for (const JsonValue& index : list->items) {
        if (!index.isWholeNumber(0, double(framebufs.size()) - 1)) return {};
        screens.push_back(&framebufs[size_t(index.number)]);
    }
    return screens;
}

std::string screenName(const JsonValue& framebuf, size_t index) {
    const JsonValue* name = framebuf.member("name");
    if (name && name->kind == JsonValue::Kind::string && !name->text.empty()) return name->text;
    return "Screen " + std::to_string(index + 1);
}

bool isColor(const JsonValue* value) {
    return value && value->isWholeNumber(0, 15);
}

// The screen's cells, or the reason they cannot be read.
std::optional<ForeignMap> screenCells(const JsonValue& framebuf, std::string& problem) {
    const JsonValue* width = framebuf.member("width");
    const JsonValue* height = framebuf.member("height");
    if (!width || !height || !width->isWholeNumber(1, largestSide) ||
        !height->isWholeNumber(1, largestSide)) {
        problem = "its screen's size is missing or not of 1 to 1024 cells a side";
        return std::nullopt;
    }
    ForeignMap map{int(width->number), int(height->number), {}, {}};
    const JsonValue* rows = framebuf.member("framebuf");
    if (!rows || rows->kind != JsonValue::Kind::array || rows->items.size() != size_t(map.height)) {
        problem = "its screen does not have the " + std::to_string(map.height) + " rows it says";
        return std::nullopt;
    }
    for (const JsonValue& row : rows->items) {
        if (row.kind != JsonValue::Kind::array || row.items.size() != size_t(map.width)) {
            problem = "a row of its screen does not have the " + std::to_string(map.width) +
                      " cells it says";
            return std::nullopt;
        }
        for (const JsonValue& cell : row.items) {
            const JsonValue* code = cell.member("code");
            const JsonValue* color = cell.member("color");
            if (!code || !code->isWholeNumber(0, 255) || !color || !color->isWholeNumber(0, 255)) {
                problem = "a cell of its screen has no screen code or colour of 0 to 255";
                return std::nullopt;
            }
            map.codes.push_back(uint32_t(code->number));
            map.colors.push_back(uint8_t(int(color->number) & 0x0F));
        }
    }
    return map;
}

// The bits of the custom font of that name, or nothing when the file does not carry it whole.
std::optional<std::vector<uint8_t>> customFont(const JsonValue& root, const std::string& name) {
    const JsonValue* fonts = root.member("customFonts");
    const JsonValue* entry = fonts ? fonts->member(name) : nullptr;
    const JsonValue* font = entry ? entry->member("font") : nullptr;
    const JsonValue* bits = font ? font->member("bits") : nullptr;
    if (!bits || bits->kind != JsonValue::Kind::array || bits->items.empty() ||
        bits->items.size() > size_t(machineCharsetBytes))
        return std::nullopt;
    std::vector<uint8_t> bytes;
    for (const JsonValue& byte : bits->items) {
        if (!byte.isWholeNumber(0, 255)) return std::nullopt;
        bytes.push_back(uint8_t(byte.number));
    }
    return bytes;
}

// Puts in the set the screen names; says in the returned note when it could not.
std::string placeCharset(Document& document, const JsonValue& root, const JsonValue& framebuf) {
    const JsonValue* named = framebuf.member("charset");
    const std::string name =
        named && named->kind == JsonValue::Kind::string ? named->text : std::string("upper");
    document.charset = Charset{};
    if (name == "upper" || name == "lower") {
        const BuiltinCharset which =
            name == "upper" ? BuiltinCharset::c64Caps : BuiltinCharset::c64Lower;
        loadBuiltinCharset(document.charset, which);
        placeBuiltinEncoding(document.textEncoding, which);
        return "";
    }
    if (const auto bits = customFont(root, name)) {
        std::copy(bits->begin(), bits->end(), document.charset.bytes.begin());
        return "";
    }
    loadBuiltinCharset(document.charset, BuiltinCharset::c64Caps);
    placeBuiltinEncoding(document.textEncoding, BuiltinCharset::c64Caps);
    return "The screen uses the character set \"" + name +
           "\", which the file does not carry; gridlet shows it in the C64 caps set.";
}

std::optional<JsonValue> petmateRoot(std::span<const uint8_t> file, std::string& problem) {
    JsonReading json = parseJson(textOf(file));
    if (!json.problem.empty()) {
        problem = json.problem;
        return std::nullopt;
    }
    if (!hasPetmateFields(json.value)) {
        problem = "it is no Petmate workspace: it lacks the version or the screens";
        return std::nullopt;
    }
    return std::move(json.value);
}

void addNote(std::string& note, const std::string& sentence) {
    if (sentence.empty()) return;
    if (!note.empty()) note += ' ';
    note += sentence;
}

bool sameAsBuiltin(const Charset& charset, BuiltinCharset which) {
    Charset builtin{};
    loadBuiltinCharset(builtin, which);
    return builtin == charset;
}

std::string numberList(std::span<const uint8_t> bytes) {
    std::string out;
    for (const uint8_t byte : bytes) out += (out.empty() ? "" : ",") + std::to_string(byte);
    return out;
}

} // namespace

bool isPetmateFile(std::span<const uint8_t> file) {
    const auto first = std::find_if(file.begin(), file.end(), [](uint8_t byte) {
        return byte != ' ' && byte != '\t' && byte != '\n' && byte != '\r';
    });
    if (first == file.end() || *first != '{') return false;
    const JsonReading json = parseJson(textOf(file));
    return json.problem.empty() && hasPetmateFields(json.value);
}

std::vector<std::string> petmateScreenNames(std::span<const uint8_t> file) {
    std::string problem;
    const std::optional<JsonValue> root = petmateRoot(file, problem);
    if (!root) return {};
    std::vector<std::string> names;
    const std::vector<const JsonValue*> screens = screensOf(*root);
    for (size_t i = 0; i < screens.size(); ++i) names.push_back(screenName(*screens[i], i));
    return names;
}

WorkReading decodePetmateFile(std::span<const uint8_t> file, const Document& base, size_t screen) {
    WorkReading reading{base, "", ""};
    const std::optional<JsonValue> root = petmateRoot(file, reading.problem);
    if (!root) return reading;
    const JsonValue* version = root->member("version");
    if (!version->isWholeNumber(1, newestVersion)) {
        reading.problem = "it is of a Petmate version gridlet does not know";
        return reading;
    }
    const std::vector<const JsonValue*> screens = screensOf(*root);
    if (screens.empty()) {
        reading.problem = "it holds no screen, or its screen list names one it lacks";
        return reading;
    }
    if (screen >= screens.size()) {
        reading.problem = "it has no screen " + std::to_string(screen + 1);
        return reading;
    }
    const JsonValue& framebuf = *screens[screen];
    const JsonValue* background = framebuf.member("backgroundColor");
    const JsonValue* border = framebuf.member("borderColor");
    if (!isColor(background) || !isColor(border)) {
        reading.problem = "its screen's background or border is no C64 colour";
        return reading;
    }
    const std::optional<ForeignMap> map = screenCells(framebuf, reading.problem);
    if (!map) return reading;

    Document& document = reading.document;
    addNote(reading.note, placeCharset(document, *root, framebuf));
    document.colorMode = ColorMode::c64Single;
    document.machineColors.c64Background = uint8_t(background->number);
    document.c64Border = uint8_t(border->number);
    addNote(reading.note, placeForeignMap(document, *map));
    return reading;
}

std::vector<uint8_t> encodePetmateFile(const Document& document) {
    const ForeignMap map = visibleMap(document);
    std::string charset(customFontId);
    std::string fonts;
    if (sameAsBuiltin(document.charset, BuiltinCharset::c64Caps)) {
        charset = "upper";
    } else if (sameAsBuiltin(document.charset, BuiltinCharset::c64Lower)) {
        charset = "lower";
    } else {
        std::string order;
        for (int code = 0; code < glyphCount; ++code)
            order += (code ? "," : "") + std::to_string(code);
        fonts = "\"" + charset + "\":{\"name\":\"" + charset + "\",\"font\":{\"bits\":[" +
                numberList(allGlyphs(document.charset)) + "],\"charOrder\":[" + order + "]}}";
    }
    std::string text =
        "{\"version\":" + std::to_string(newestVersion) +
        ",\"screens\":[0],\"framebufs\":[{\"width\":" + std::to_string(map.width) +
        ",\"height\":" + std::to_string(map.height) +
        ",\"backgroundColor\":" + std::to_string(document.machineColors.c64Background & 0x0F) +
        ",\"borderColor\":" + std::to_string(document.c64Border & 0x0F) + ",\"charset\":\"" +
        charset + "\",\"name\":\"gridlet\",\"framebuf\":[";
    for (int row = 0; row < map.height; ++row) {
        text += row ? ",[" : "[";
        for (int column = 0; column < map.width; ++column) {
            const size_t at = size_t(row) * size_t(map.width) + size_t(column);
            text += (column ? ",{\"code\":" : "{\"code\":") + std::to_string(map.codes[at]) +
                    ",\"color\":" + std::to_string(map.colors[at] & 0x0F) + "}";
        }
        text += "]";
    }
    text += "]}],\"customFonts\":{" + fonts + "}}\n";
    return {text.begin(), text.end()};
}
