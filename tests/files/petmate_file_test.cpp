#include "files/petmate_file.h"

#include <gtest/gtest.h>

#include <random>

#include "files/builtin_charsets.h"
#include "files/json_value.h"

namespace {

std::vector<uint8_t> bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

Document screenWork(MapSize size, int set) {
    Document document;
    std::mt19937 random(unsigned(size.width + set));
    if (set == 0) loadBuiltinCharset(document.charset, BuiltinCharset::c64Caps);
    if (set == 1) loadBuiltinCharset(document.charset, BuiltinCharset::c64Lower);
    if (set == 2)
        for (auto& byte : document.charset) byte = uint8_t(random());
    document.colorMode = ColorMode::c64Single;
    document.machineColors.c64Background = 3;
    document.c64Border = 12;
    document.mapWidth = size.width;
    document.mapHeight = size.height;
    document.mapCells = MapCells{};
    document.mapColors = filledMapColors(0);
    for (int column = 0; column < size.width; ++column)
        for (int row = 0; row < size.height; ++row) {
            document.mapCells[column][row] = int(random() % 256);
            document.mapColors[column][row] = uint8_t(random() % 16);
        }
    return document;
}

TEST(PetmateFile, ReadsBackWhatItWritesInEachKindOfSet) {
    const struct {
        MapSize size;
        int set; // the caps set, the lower case set, a set of its own
        std::string_view charset;
    } cases[]{{{40, 25}, 0, "\"upper\""}, {{80, 50}, 1, "\"lower\""}, {{32, 24}, 2, "\"gridlet\""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.charset);
        const Document original = screenWork(c.size, c.set);
        const std::vector<uint8_t> file = encodePetmateFile(original);
        EXPECT_NE(std::string(file.begin(), file.end()).find(c.charset), std::string::npos);
        EXPECT_TRUE(isPetmateFile(file));
        EXPECT_EQ(petmateScreenNames(file), std::vector<std::string>{"gridlet"});
        const WorkReading reading = decodePetmateFile(file, Document{}, 0);
        EXPECT_EQ(reading.problem, "");
        EXPECT_EQ(reading.note, "");
        const Document& d = reading.document;
        EXPECT_EQ(d.charset, original.charset);
        EXPECT_EQ(d.colorMode, ColorMode::c64Single);
        EXPECT_EQ(d.machineColors, original.machineColors);
        EXPECT_EQ(d.c64Border, 12);
        EXPECT_EQ(std::pair(d.mapWidth, d.mapHeight), std::pair(c.size.width, c.size.height));
        EXPECT_EQ(d.mapCells, original.mapCells);
        EXPECT_EQ(d.mapColors, original.mapColors);
    }
}

constexpr std::string_view twoScreens =
    R"({"version":1,"screens":[1,0],"framebufs":[)"
    R"({"width":2,"height":1,"backgroundColor":0,"borderColor":1,"name":"first",)"
    R"("framebuf":[[{"code":1,"color":2},{"code":3,"color":20}]]},)"
    R"({"width":1,"height":1,"backgroundColor":5,"borderColor":6,"charset":"lower",)"
    R"("framebuf":[[{"code":65,"color":7}]]}]})";

TEST(PetmateFile, NamesItsScreensInTheirOrderAndReadsTheChosenOne) {
    const std::vector<uint8_t> file = bytes(twoScreens);
    EXPECT_EQ(petmateScreenNames(file), (std::vector<std::string>{"Screen 1", "first"}));
    const WorkReading second = decodePetmateFile(file, Document{}, 1);
    ASSERT_EQ(second.problem, "");
    EXPECT_EQ(second.document.mapCells[1][0], 3);
    EXPECT_EQ(second.document.mapColors[1][0], 4); // the low nibble
    Charset caps{};
    loadBuiltinCharset(caps, BuiltinCharset::c64Caps);
    EXPECT_EQ(second.document.charset, caps); // no charset field: the caps set
    const WorkReading first = decodePetmateFile(file, Document{}, 0);
    ASSERT_EQ(first.problem, "");
    EXPECT_EQ(first.document.machineColors.c64Background, 5);
    EXPECT_EQ(first.document.glyph(65)[0], 0x18); // the lower case set's 'A'
}

TEST(PetmateFile, ShowsASetItDoesNotCarryInTheCapsSetWithANote) {
    std::string text(twoScreens);
    text.replace(text.find("lower"), 5, "dirart");
    const WorkReading reading = decodePetmateFile(bytes(text), Document{}, 0);
    EXPECT_EQ(reading.problem, "");
    EXPECT_NE(reading.note.find("\"dirart\""), std::string::npos);
}

TEST(PetmateFile, RefusesDamagedFilesAndChangesNothing) {
    const std::string_view damaged[]{
        "",
        "[1,2]",
        R"({"version":1})",
        R"({"version":9,"framebufs":[]})",
        R"({"version":2,"framebufs":[]})",
        R"({"version":2,"screens":[3],"framebufs":[{}]})",
        R"({"version":2,"framebufs":[{"width":1,"height":1,"backgroundColor":16,"borderColor":0,)"
        R"("framebuf":[[{"code":0,"color":0}]]}]})",
        R"({"version":2,"framebufs":[{"width":2,"height":1,"backgroundColor":0,"borderColor":0,)"
        R"("framebuf":[[{"code":0,"color":0}]]}]})",
        R"({"version":2,"framebufs":[{"width":1,"height":1,"backgroundColor":0,"borderColor":0,)"
        R"("framebuf":[[{"code":256,"color":0}]]}]})",
        R"({"version":2,"framebufs":[{"width":5000,"height":1,"backgroundColor":0,"borderColor":0}]})",
        R"({"version":2,"framebufs":[{"width":1,"height":1,"backgroundColor":0,"borderColor":0,)",
    };
    Document base;
    base.mapCells[2][2] = 9;
    for (const std::string_view text : damaged) {
        const WorkReading reading = decodePetmateFile(bytes(text), base, 0);
        EXPECT_NE(reading.problem, "") << text;
        EXPECT_EQ(reading.document, base) << text;
    }
    EXPECT_EQ(decodePetmateFile(bytes(twoScreens), base, 2).problem, "it has no screen 3");
}

TEST(JsonValue, ReadsStrictJsonOnly) {
    const JsonReading good =
        parseJson(R"( {"a": [1, -2.5e1, true, null], "b": "x\"\u00e9\ud83d\ude00\n"} )");
    ASSERT_EQ(good.problem, "");
    EXPECT_EQ(good.value.member("a")->items[1].number, -25);
    EXPECT_EQ(good.value.member("b")->text, "x\"\xC3\xA9\xF0\x9F\x98\x80\n");
    const std::string deep =
        std::string(jsonDepthLimit + 1, '[') + std::string(jsonDepthLimit + 1, ']');
    const std::string bad[]{"01",       "1.",  "[1,]", "{\"a\" 1}", "\"\\x\"", "\"\\ud800\"",
                            "\"a\nb\"", "tru", "1 2",  "1e999",     deep,      ""};
    for (const std::string& text : bad) EXPECT_NE(parseJson(text).problem, "") << text;
    const std::string shallow = std::string(jsonDepthLimit, '[') + std::string(jsonDepthLimit, ']');
    EXPECT_EQ(parseJson(shallow).problem, "");
}

} // namespace
