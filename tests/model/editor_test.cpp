// The editor's record of what edits changed: the glyphs and cells the views have yet to show,
// the undo step it makes of them, and the revision the kept session compares.
#include <gtest/gtest.h>

#include <functional>

#include "model/editor.h"

namespace {

TEST(Editor, EachEditMarksWhatItChangesAndCountsARevision) {
    struct Case {
        const char* name;
        std::function<void(Editor&)> edit;
        std::vector<int> glyphs;
        size_t cells;
    };
    const Case cases[] = {
        {"one glyph", [](Editor& e) { e.changeGlyph(65)[0] = 1; }, {65}, 0},
        {"a run of glyphs", [](Editor& e) { e.changeGlyphs(10, 12)[80] = 1; }, {10, 11, 12}, 0},
        {"one cell", [](Editor& e) { e.changeCell(3, 4) = 9; }, {}, 1},
        {"every cell", [](Editor& e) { e.changeCells()[0][0] = 9; }, {}, mapColumns * mapRows},
        {"colours", [](Editor& e) { e.setColors(1, 2); }, {}, 0},
        {"grid", [](Editor& e) { e.setGridOnMap(false); }, {}, 0},
    };
    for (const Case& c : cases) {
        Editor editor;
        const uint64_t revision = editor.revision();
        c.edit(editor);
        EXPECT_GT(editor.revision(), revision) << c.name;
        const Changes changes = editor.takeUnshownChanges();
        EXPECT_EQ(changes.glyphs.count(), c.glyphs.size()) << c.name;
        for (const int code : c.glyphs) EXPECT_TRUE(changes.glyphs[size_t(code)]) << c.name;
        EXPECT_EQ(changes.cells.count(), c.cells) << c.name;
        EXPECT_FALSE(editor.takeUnshownChanges().any()) << c.name << ": taken once";
    }
}

TEST(Editor, AStrokeBecomesOneStepWhenItEnds) {
    Editor editor;
    editor.recordStep();
    EXPECT_FALSE(editor.undo().has_value()) << "nothing to undo";
    editor.setStroking(true);
    editor.changeGlyph(7)[0] = 0x80;
    editor.recordStep();
    editor.changeGlyph(7)[1] = 0x40;
    editor.recordStep();
    EXPECT_EQ(editor.history().steps(), 0u);
    editor.setStroking(false);
    editor.recordStep();
    EXPECT_EQ(editor.history().steps(), 1u);
    editor.takeUnshownChanges();
    EXPECT_EQ(editor.undo(), 7);
    EXPECT_EQ(editor.document().glyph(7)[0], 0);
    EXPECT_EQ(editor.document().glyph(7)[1], 0);
    EXPECT_TRUE(editor.takeUnshownChanges().glyphs[7]) << "the views learn of the undo";
    EXPECT_EQ(editor.redo(), 7);
    EXPECT_EQ(editor.document().glyph(7)[1], 0x40);
}

TEST(Editor, TheCurrentCharCountsForTheSessionButIsNoStep) {
    Editor editor;
    const uint64_t revision = editor.revision();
    editor.setCurrentChar(0);
    EXPECT_EQ(editor.revision(), revision) << "no change";
    editor.setCurrentChar(300);
    EXPECT_EQ(editor.currentChar(), 300 - 256);
    EXPECT_GT(editor.revision(), revision);
    editor.recordStep();
    EXPECT_FALSE(editor.history().canUndo());
}

} // namespace
