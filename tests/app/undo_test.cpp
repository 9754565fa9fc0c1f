// Undo and redo through the event loop: every kind of change is one step that comes back byte
// for byte, strokes are one step, and what is no edit makes no step.
#include <functional>
#include <string>

#include "file_command_test.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

class Undo : public FileCommandTest {
  protected:
    void SetUp() override {
        FileCommandTest::SetUp();
        g.ui.run([this] {
            for (size_t i = 0; i < g.document().charset.size(); ++i)
                g.state.editor.changeDocument().charset[i] = uint8_t(i * 7);
        });
        g.ui.choose_menu_item(mainWindow, mapAtariId);
        g.clickGlyph(66);
        g.run();
        g.ui.activate(mainWindow);
        g.run();
        // The set-up itself is no step of the user's.
        g.state.editor.startHistory();
    }

    void choose(int id) {
        g.ui.choose_menu_item(mainWindow, id);
        g.run();
    }
    void undo() {
        g.tapKey('Z', modifier_control);
        g.run();
    }
    void redo() {
        g.tapKey('Y', modifier_control);
        g.run();
    }
    // A stroke of the left button over cells of a canvas.
    void stroke(int canvas, int cells) {
        g.ui.move_on_canvas(canvas, 8, 8);
        g.ui.press_on_canvas(canvas, button_left, 8, 8);
        for (int i = 1; i < cells; ++i)
            g.ui.move_on_canvas(canvas, i % 8 * 16 + 8, i / 8 % 8 * 16 + 8);
        g.ui.release_on_canvas(canvas, button_left, 8, 8);
        g.run();
    }
};

TEST_F(Undo, EveryKindOfChangeIsOneStepThatComesBackByteForByte) {
    folder.write("font.fnt", noise(1000, 3));
    folder.write("cells.map", noise(700, 4));
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"painting", [&] { stroke(glyphEditor, 20); }},
        {"invert over the range",
         [&] {
             g.ui.move_trackbar(beginRangeTrackbar, 60);
             g.ui.move_trackbar(endRangeTrackbar, 90);
             g.ui.click_gadget(rangeCheckbox);
             g.ui.choose_menu_item(mainWindow, invertId);
             g.ui.click_gadget(rangeCheckbox);
             g.run();
         }},
        {"rotate", [&] { choose(rotateClockwiseId); }},
        {"shift button",
         [&] {
             g.ui.click_gadget(shiftUpButton);
             g.run();
         }},
        {"insert",
         [&] {
             g.ui.activate(mainWindow);
             set_active_gadget(charsetView);
             g.tapKey(vk_insert);
             g.run();
         }},
        {"delete",
         [&] {
             g.tapKey(vk_delete);
             g.run();
         }},
        {"drag",
         [&] {
             g.ui.move_on_canvas(charsetView, 8, 8);
             g.ui.press_on_canvas(charsetView, button_left, 8, 8);
             g.ui.move_on_canvas(charsetView, 40, 40);
             g.ui.release_on_canvas(charsetView, button_left, 40, 40);
             g.run();
         }},
        {"copy range",
         [&] {
             g.clickGlyph(200);
             choose(copyRangeId);
         }},
        {"erase", [&] { choose(eraseCharsetId); }},
        {"colour",
         [&] {
             g.ui.answer_color(0x123456);
             choose(inkColorId);
         }},
        {"built-in set", [&] { choose(charsetC64Id); }},
        {"font load", [&] { chooseWithFile(openId, folder / "font.fnt", 0); }},
        {"font drop",
         [&] {
             g.clickGlyph(9);
             g.ui.drop_files(charsetView, {folder / "font.fnt"});
             g.run();
         }},
        {"map painting", [&] { stroke(mapView, 30); }},
        {"map fill", [&] { choose(fillMapId); }},
        {"map size", [&] { choose(mapPcId); }},
        {"map edit",
         [&] {
             g.ui.answer_popup(insertMapLineId);
             g.ui.click_on_canvas(mapView, button_right, 40, 40);
             g.run();
         }},
        {"map load", [&] { chooseWithFile(openId, folder / "cells.map", 1); }},
        {"cut", [&] { choose(cutId); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        const Document before = g.document();
        const size_t steps = g.state.editor.history().steps();
        change();
        const Document after = g.document();
        ASSERT_NE(after, before);
        EXPECT_EQ(g.state.editor.history().steps(), steps + 1);
        undo();
        Document back = g.document();
        back.range = before.range; // settings, not edits: they stay
        EXPECT_EQ(back, before);
        redo();
        back = g.document();
        back.range = after.range;
        EXPECT_EQ(back, after);
    }
}

TEST_F(Undo, AStrokeIsOneStepAndUndoShowsTheGlyphItChanged) {
    stroke(glyphEditor, 500);
    EXPECT_EQ(g.state.editor.history().steps(), 1u);
    g.clickGlyph(3);
    g.tapKey(vk_right);
    g.run();
    EXPECT_EQ(g.state.editor.history().steps(), 1u); // cursor moves are no steps
    EXPECT_EQ(get_menu_item_enabled(mainMenu, undoId), 1);
    EXPECT_EQ(get_menu_item_enabled(mainMenu, redoId), 0);
    undo();
    EXPECT_EQ(g.state.editor.currentChar(), 66);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f 66($42)'B'");
    EXPECT_EQ(get_menu_item_enabled(mainMenu, undoId), 0);
    EXPECT_EQ(get_menu_item_enabled(mainMenu, redoId), 1);
    // A new change drops what could be redone.
    choose(invertId);
    EXPECT_EQ(get_menu_item_enabled(mainMenu, redoId), 0);
}

TEST_F(Undo, SavingAndHoveringAreNoStepsAndTheShortcutsWorkOnTheMap) {
    chooseWithFile(saveZxFontId, folder / "saved.fnt");
    g.ui.move_on_canvas(mapView, 50, 50);
    g.ui.move_on_canvas(mapView, 70, 50);
    g.run();
    EXPECT_EQ(g.state.editor.history().steps(), 0u);

    choose(fillMapId);
    g.ui.activate(mapWindow);
    g.tapKey('Z', modifier_control);
    g.run();
    EXPECT_EQ(g.state.editor.history().steps(), 1u);
    EXPECT_FALSE(g.state.editor.history().canUndo());
    g.tapKey('Z', modifier_control | modifier_shift);
    g.run();
    EXPECT_FALSE(g.state.editor.history().canRedo());
    g.tapKey('I', modifier_control); // the other shortcuts stay the main window's
    g.run();
    EXPECT_EQ(g.state.editor.history().steps(), 1u);
}

} // namespace
