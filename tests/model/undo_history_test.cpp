// Undo and redo over recorded steps: every kind of change comes back byte for byte, and the
// history keeps its limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/undo_history.h"

namespace {

class UndoSteps : public ::testing::Test {
  protected:
    // A change made by `edit` to the current document, recorded as one step.
    template <typename Edit> void change(Edit edit) {
        const Document before = document;
        edit(document);
        history.record(before, document);
    }

    std::mt19937 random{5};
    Document document;
    UndoHistory history;
    Changes changes;
};

// The glyphs and cells that differ between two documents.
Changes differences(const Document& a, const Document& b) {
    Changes differ;
    for (int code = 0; code < glyphCount; ++code)
        differ.glyphs[size_t(code)] = !std::ranges::equal(a.glyph(code), b.glyph(code));
    for (int column = 0; column < mapColumns; ++column)
        for (int row = 0; row < mapRows; ++row)
            if (a.mapCells[column][row] != b.mapCells[column][row] ||
                a.mapColors[column][row] != b.mapColors[column][row])
                differ.markCell(column, row);
    return differ;
}

TEST_F(UndoSteps, EachKindOfChangeUndoesAndRedoesByteForByte) {
    const auto randomGlyphs = [&](Document& d) {
        for (uint8_t& byte : d.charset) byte = uint8_t(random());
    };
    const auto fillMap = [](Document& d) {
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 50; ++y) d.mapCells[x][y] = (x + y) & 0xFF;
    };
    const auto wideCell = [](Document& d) { d.mapCells[80][50] = -123456; };
    const auto sizeAndColours = [](Document& d) {
        d.mapWidth = 80;
        d.mapHeight = 50;
        d.paperColor = 0x123456;
        d.inkColor = 0xABCDEF;
    };
    const auto onePixel = [](Document& d) { d.charset[65 * 8 + 3] ^= 0x10; };
    const auto modeAndMachineColours = [](Document& d) {
        d.colorMode = ColorMode::atari4;
        d.machineColors.atari[colpf3] = 0xFE;
        d.machineColors.spectrumAttribute = 0x47;
    };
    const auto cellColours = [](Document& d) {
        d.mapColors[0][0] = 0;
        d.mapColors[80][50] = 0xFF;
        d.mapColors[7][9] = 3;
    };
    std::vector<Document> versions{document};
    for (const auto& edit : std::vector<std::function<void(Document&)>>{
             randomGlyphs, fillMap, wideCell, sizeAndColours, onePixel, modeAndMachineColours,
             cellColours}) {
        change(edit);
        versions.push_back(document);
    }
    // Each step marks exactly the glyphs and cells it changes, for the views to redraw.
    const auto expectMarked = [&](const Document& a, const Document& b, size_t i) {
        const Changes differ = differences(a, b);
        EXPECT_EQ(changes.glyphs, differ.glyphs) << i;
        EXPECT_EQ(changes.cells, differ.cells) << i;
        changes = {};
    };
    for (size_t i = versions.size() - 1; i > 0; --i) {
        history.undo(document, changes);
        ASSERT_EQ(document, versions[i - 1]) << i;
        expectMarked(versions[i], versions[i - 1], i);
    }
    EXPECT_FALSE(history.canUndo());
    for (size_t i = 1; i < versions.size(); ++i) {
        history.redo(document, changes);
        ASSERT_EQ(document, versions[i]) << i;
        expectMarked(versions[i - 1], versions[i], i);
    }
    EXPECT_FALSE(history.canRedo());
}

TEST_F(UndoSteps, AStepNamesTheOneGlyphItChangedAndANewChangeDropsTheRedoSteps) {
    change([](Document& d) { d.charset[200 * 8 + 7] = 0xFF; });
    change([](Document& d) { d.charset[3] = d.charset[8] = 1; });
    change([](Document& d) { d.range = {3, 4, true}; }); // not an edit: no step
    EXPECT_EQ(history.steps(), 2u);
    EXPECT_EQ(history.undo(document, changes), -1); // two glyphs
    EXPECT_EQ(history.undo(document, changes), 200);
    EXPECT_EQ(document.range, (Range{3, 4, true}));
    change([](Document& d) { d.inkColor = 1; });
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.steps(), 1u);
}

TEST_F(UndoSteps, KeepsAThousandWholeMapStepsWithinItsLimit) {
    for (int step = 0; step < 1200; ++step)
        change([&](Document& d) {
            for (int x = 0; x < 80; ++x)
                for (int y = 0; y < 50; ++y) d.mapCells[x][y] = int32_t(random() & 0xFF);
        });
    EXPECT_GE(history.steps(), 1000u);
    EXPECT_LE(history.bytes(), UndoHistory::byteLimit);

    // Steps of cells beyond a byte are four times larger: the oldest go.
    for (int step = 0; step < 300; ++step)
        change([&](Document& d) {
            for (int x = 0; x < 80; ++x)
                for (int y = 0; y < 50; ++y) d.mapCells[x][y] = int32_t(random()) | 0x100;
        });
    EXPECT_LE(history.bytes(), UndoHistory::byteLimit);
    EXPECT_LT(history.steps(), 1500u);
    const Document last = document;
    while (history.canUndo()) history.undo(document, changes);
    EXPECT_NE(document, Document{}); // the first steps are gone
    while (history.canRedo()) history.redo(document, changes);
    EXPECT_EQ(document, last);
}

} // namespace
