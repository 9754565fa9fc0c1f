#include "monkey_input.h"
#include "views/charset_image.h"

#include <climits>
#include <functional>
#include <vector>

#include "app/menu_ids.h"
#include "machine_colors_change.h"
#include "toolkit/binding.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

std::string text(int value) {
    return std::to_string(value);
}

// A mouse position: on or around one of the three canvases (relative to its drawing area),
// anywhere in a window, or far outside everything.
struct Spot {
    int canvas = -1; // -1: (x, y) are window coordinates
    int window = mainWindow;
    int x = 0, y = 0;

    std::string describe() const {
        const std::string where = canvas >= 0 ? "canvas " + text(canvas) : "window " + text(window);
        return where + " (" + text(x) + "," + text(y) + ")";
    }
};

int farCoordinate(MonkeyRandom& random) {
    const int distance =
        random.chance(20) ? random.pick<int>({1 << 20, 1 << 30}) : random.between(1000, 1000000);
    return random.chance(50) ? -distance : distance;
}

Spot randomSpot(MonkeyRandom& random) {
    Spot spot;
    switch (random.weighted({60, 25, 15})) {
    case 0: {
        spot.canvas = random.pick<int>({charsetView, glyphEditor, mapView});
        const GadgetRecord* record = find_gadget(spot.canvas);
        const int width = record ? record->width - 2 * record->inset() : 0;
        const int height = record ? record->height - 2 * record->inset() : 0;
        spot.x = random.between(-40, width + 40);
        spot.y = random.between(-40, height + 40);
        break;
    }
    case 1:
        spot.window = random.pick<int>({mainWindow, mapWindow});
        spot.x = random.between(-100, 1400);
        spot.y = random.between(-100, 900);
        break;
    default:
        spot.window = random.pick<int>({mainWindow, mapWindow});
        spot.x = random.chance(70) ? farCoordinate(random) : random.between(-100, 1400);
        spot.y = random.chance(70) ? farCoordinate(random) : random.between(-100, 900);
        break;
    }
    return spot;
}

// The same spot in the coordinates of its window, for the inputs that take only those.
Spot inWindow(Spot spot) {
    if (spot.canvas < 0) return spot;
    if (const GadgetRecord* record = find_gadget(spot.canvas)) {
        spot.window = record->window;
        spot.x += record->x + record->inset();
        spot.y += record->y + record->inset();
    }
    spot.canvas = -1;
    return spot;
}

int extremeCoordinate(MonkeyRandom& random) {
    return random.pick<int>(
        {INT_MIN, INT_MIN + 1, -(1 << 30), -1, 0, 1 << 30, INT_MAX - 15, INT_MAX});
}

// A canvas position straight from the platform, at the limits of what the contract can carry.
std::string scriptExtremeInput(MonkeyRandom& random, HeadlessBinding& ui) {
    const int canvas = random.pick<int>({charsetView, glyphEditor, mapView});
    const int x = extremeCoordinate(random), y = extremeCoordinate(random);
    const int button = random.pick<int>({button_left, button_right});
    const std::string where =
        " on canvas " + text(canvas) + " at (" + text(x) + "," + text(y) + ")";
    switch (random.between(0, 2)) {
    case 0:
        ui.run([=] { canvas_mouse_moved(canvas, x, y, 0); });
        return "platform move" + where;
    case 1:
        ui.run([=] { canvas_button_pressed(canvas, button, x, y, false, 0); });
        return "platform press " + text(button) + where;
    default:
        ui.run([=] { canvas_button_released(canvas, button, x, y, 0); });
        return "platform release " + text(button) + where;
    }
}

// The data field is editable although the program never reads it.
std::string scriptTyping(MonkeyRandom& random, MonkeyProgram& program) {
    std::string typed(size_t(random.between(0, 40)), ' ');
    for (char& c : typed)
        c = random.chance(70) ? "0123456789,\n "[random.between(0, 12)] : char(random.byte());
    program.ui.typedText = typed;
    program.ui.run([typed] { text_field_edited(dataField, typed); });
    return "type into the data field: " + typed;
}

int randomButton(MonkeyRandom& random) {
    return random.pick<int>({button_left, button_left, button_right, button_right, button_middle});
}

void move(HeadlessBinding& ui, const Spot& spot) {
    if (spot.canvas >= 0)
        ui.move_on_canvas(spot.canvas, spot.x, spot.y);
    else
        ui.move_mouse(spot.window, spot.x, spot.y);
}

void press(HeadlessBinding& ui, const Spot& spot, int button) {
    if (spot.canvas >= 0)
        ui.press_on_canvas(spot.canvas, button, spot.x, spot.y);
    else
        ui.press_button(spot.window, button, spot.x, spot.y);
}

void release(HeadlessBinding& ui, const Spot& spot, int button) {
    if (spot.canvas >= 0)
        ui.release_on_canvas(spot.canvas, button, spot.x, spot.y);
    else
        ui.release_button(spot.window, button, spot.x, spot.y);
}

int randomKey(MonkeyRandom& random) {
    if (random.chance(75))
        return random.pick<int>({vk_left, vk_up, vk_right, vk_down, vk_insert, vk_delete});
    return random.pick<int>({int(vk_tab), 13, 32, 'A', 'I', 'O', 112, 16, 17, 0, 255, 1000});
}

int randomModifiers(MonkeyRandom& random) {
    return random.chance(80) ? 0 : random.between(1, 7);
}

// Every id of the menus, a few that no item has, and "Quit" only now and then.
int randomMenuId(MonkeyRandom& random) {
    if (random.chance(5)) return random.pick<int>({-5, -1, 62, 63, 99, 1000, 65535});
    // The commands up to the map's C source, then those from the colour modes on.
    const auto any = [&random] {
        const int id = random.between(0, 61 + (typeTextId - colorModeId + 1));
        return id <= 61 ? id : id - 62 + colorModeId;
    };
    int id = any();
    while (id == 1 && !random.chance(25)) id = any();
    return id;
}

std::string randomDropName(MonkeyRandom& random, ScratchFolder& folder) {
    if (random.chance(5)) return random.pick<std::string>({"   ", "relative-missing.fnt"});
    return folder.anyName(random);
}

// Several names arrive as one text, joined by line feeds; the program loads the first.
std::string scriptDrop(MonkeyRandom& random, MonkeyProgram& program, ScratchFolder& folder) {
    const int gadget = random.chance(90) ? random.pick<int>({charsetView, mapView})
                                         : random.pick<int>({glyphEditor, dataField, 5});
    std::vector<std::string> names;
    std::string joined;
    if (random.chance(3)) {
        names.push_back(""); // an empty name alone: nothing to join
    } else {
        const int count = random.chance(75) ? 1 : random.between(2, 3);
        for (int i = 0; i < count; ++i) {
            names.push_back(randomDropName(random, folder));
            joined += (i > 0 ? "\n" : "") + names.back();
        }
    }
    program.ui.offeredNames.insert(names.begin(), names.end());
    program.ui.drop_files(gadget, names);
    return "drop on " + text(gadget) + ": " + joined;
}

// Shift held for the mouse input that follows (on the map, left paints only the colour), or let
// go; held about a third of the time.
std::string scriptShift(MonkeyRandom& random, HeadlessBinding& ui) {
    const bool held = random.chance(35);
    ui.hold_modifiers(held ? modifier_shift : 0);
    return held ? "hold Shift" : "let go of Shift";
}

std::string scriptMouse(MonkeyRandom& random, HeadlessBinding& ui) {
    const int button = randomButton(random);
    switch (random.weighted({330, 100, 120, 50, 5, 5, 12})) {
    case 0: {
        const Spot spot = randomSpot(random);
        move(ui, spot);
        return "move to " + spot.describe();
    }
    case 1: {
        const Spot spot = randomSpot(random);
        press(ui, spot, button);
        return "press " + text(button) + " at " + spot.describe();
    }
    case 2: {
        const Spot spot = randomSpot(random);
        release(ui, spot, button);
        return "release " + text(button) + " at " + spot.describe();
    }
    case 3: {
        const Spot spot = randomSpot(random);
        press(ui, spot, button);
        release(ui, spot, button);
        return "click " + text(button) + " at " + spot.describe();
    }
    case 4: {
        const Spot spot = inWindow(randomSpot(random));
        ui.double_click(spot.window, button, spot.x, spot.y);
        return "double click " + text(button) + " at " + spot.describe();
    }
    case 5: {
        const Spot spot = inWindow(randomSpot(random));
        const int units = random.between(-360, 360);
        ui.wheel(spot.window, spot.x, spot.y, units);
        return "wheel " + text(units) + " at " + spot.describe();
    }
    default:
        return scriptShift(random, ui);
    }
}

// Keys go to the focused gadget, after the active window's shortcuts (Ctrl+O, Ctrl+I, Tab).
std::string scriptKey(MonkeyRandom& random, HeadlessBinding& ui) {
    const int key = randomKey(random), modifiers = randomModifiers(random);
    const std::string which = text(key) + " modifiers " + text(modifiers);
    switch (random.between(0, 2)) {
    case 0:
        ui.press_key(key, modifiers);
        return "key down " + which;
    case 1:
        ui.release_key(key, modifiers);
        return "key up " + which;
    default:
        ui.press_key(key, modifiers);
        ui.release_key(key, modifiers);
        return "key tap " + which;
    }
}

// The trackbars (sometimes beyond their range), the checkbox, the shift buttons, any number.
std::string scriptGadget(MonkeyRandom& random, HeadlessBinding& ui) {
    if (random.chance(40)) {
        const int trackbar = random.pick<int>({beginRangeTrackbar, endRangeTrackbar});
        const int value = random.chance(90) ? random.between(0, 255) : random.between(-300, 600);
        ui.move_trackbar(trackbar, value);
        return "trackbar " + text(trackbar) + " to " + text(value);
    }
    const int gadget = random.chance(80)
                           ? random.pick<int>({rangeCheckbox, shiftLeftButton, shiftRightButton,
                                               shiftUpButton, shiftDownButton})
                           : random.between(-1, 13);
    ui.click_gadget(gadget);
    return "click gadget " + text(gadget);
}

// Any menu id, with extra weight on the map sizes, the map edits of the popup, typing on the map
// and Edit's commands from the map window, where they act on cells while typing.
std::string scriptMenu(MonkeyRandom& random, HeadlessBinding& ui) {
    switch (random.weighted({100, 15, 20, 12, 20, 12})) {
    case 0: {
        const int id = randomMenuId(random);
        ui.choose_menu_item(mainWindow, id);
        return "menu " + text(id);
    }
    case 1: {
        const int id = random.between(21, 25);
        ui.choose_menu_item(mainWindow, id);
        return "map size menu " + text(id);
    }
    case 2: {
        const int id = random.between(41, 46);
        ui.choose_menu_item(random.pick<int>({mainWindow, mapWindow}), id);
        return "map edit menu " + text(id);
    }
    case 3: {
        const int id = random.between(colorModeId, lastColorModeId);
        ui.choose_menu_item(mainWindow, id);
        return "colour mode menu " + text(id);
    }
    case 4: {
        const int id = random.pick<int>({typeTextId, cutId, copyId, pasteId, pasteId, fillMapId});
        ui.choose_menu_item(id == typeTextId ? mainWindow : mapWindow, id);
        return "map typing menu " + text(id);
    }
    default: {
        // Back to 8 now and then, so that the colour modes get their turn too.
        const int id = random.chance(30) ? int(glyphHeightId)
                                         : random.between(glyphHeightId + 1, otherGlyphHeightId);
        ui.choose_menu_item(mainWindow, id);
        return "glyph height menu " + text(id);
    }
    }
}

// Characters and the editing keys on the map view, focused by a click on it first: with
// "Type text" on they type, otherwise the map ignores them.
std::string scriptMapTyping(MonkeyRandom& random, HeadlessBinding& ui) {
    const int x = random.between(-20, 1300), y = random.between(-20, 820);
    ui.move_on_canvas(mapView, x, y);
    ui.click_on_canvas(mapView, button_left, x, y);
    std::string typed = "type on the map at " + text(x) + "," + text(y) + ":";
    for (int count = random.between(1, 12); count > 0; --count) {
        if (random.chance(25)) {
            const int key = random.pick<int>(
                {8, 13, vk_delete, vk_left, vk_up, vk_right, vk_down, vk_home, vk_end});
            ui.press_key(key);
            ui.release_key(key);
            typed += " key " + text(key);
        } else {
            const int character = random.pick<int>({'A', 'z', ' ', '@', 127, 0xE9, 0x416, 0x2588,
                                                    0x1F600, random.between(32, 0x10FFFF)});
            ui.type_character(character);
            typed += " " + text(character);
        }
    }
    return typed;
}

// What another program may have left on the clipboard: glyph text in its forms, words, a
// picture of any size, gridlet's own bytes of any length.
std::string scriptClipboard(MonkeyRandom& random, HeadlessBinding& ui) {
    ClipboardData data;
    switch (random.between(0, 4)) {
    case 0:
        data.text = random.pick<std::string>(
            {"0x3C,0x66,0x6E,0x6E,0x60,0x62,0x3C,0x00", "$FF $00 $FF", "10 DATA 1,2,3,4,5,6,7,8",
             "..####..\n.##..##.", "300 1 2", "3C 66", "hello", "", "defb 3Ch,66h",
             "HELLO\r\nWORLD\n", "\xC3\xA9\xE2\x96\x88\xF0\x9F\x98\x80\xFF\xC0\x80\n\n\n"});
        break;
    case 1: {
        data.picture = PixelBuffer(random.between(0, 40), random.between(0, 40), 0);
        for (Pixel& pixel : data.picture.pixels)
            pixel = pixel_of(Color(random.between(0, 0xFFFFFF)));
        break;
    }
    case 2: {
        data.own_type = "application/x-gridlet-cells";
        data.own_bytes = {uint8_t(random.between(0, 82)), uint8_t(random.between(0, 52))};
        data.own_bytes.resize(random.chance(70)
                                  ? 2 + 2 * size_t(data.own_bytes[0]) * data.own_bytes[1]
                                  : size_t(random.between(0, 9000)));
        for (size_t i = 2; i < data.own_bytes.size(); ++i) data.own_bytes[i] = random.byte();
        break;
    }
    case 3:
        data.own_type = "application/x-gridlet-glyphs";
        data.own_bytes.resize(size_t(random.between(0, 3000)));
        for (uint8_t& byte : data.own_bytes) byte = random.byte();
        break;
    default: // glyphs of a height, mostly of one that makes whole glyphs
        data.own_type = "application/x-gridlet-glyph-rows";
        data.own_bytes = {uint8_t(random.between(0, 40))};
        data.own_bytes.resize(random.chance(70) ? 1 + size_t(data.own_bytes[0]) * 3
                                                : size_t(random.between(0, 3000)));
        for (size_t i = 1; i < data.own_bytes.size(); ++i) data.own_bytes[i] = random.byte();
        break;
    }
    ui.run([&ui, data] { ui.clipboard = data; });
    return "clipboard: " + std::to_string(data.text.size()) + " characters, picture " +
           std::to_string(data.picture.width) + "x" + std::to_string(data.picture.height) + ", " +
           std::to_string(data.own_bytes.size()) + " bytes";
}

std::string scriptWindow(MonkeyRandom& random, HeadlessBinding& ui) {
    if (random.chance(60)) {
        ui.request_close(mapWindow);
        return "close the map window";
    }
    const int window = random.pick<int>({mainWindow, mapWindow});
    ui.activate(window);
    return "activate window " + text(window);
}

// Keys typed faster than the program takes them, while the charset view has the keyboard:
// arrows rolled into one another, so that releases of two keys meet, and pairs of Ctrl+I.
// Every key must count: the cursor moves by each arrow and the pairs leave the glyphs alone.
std::string scriptKeyBurst(MonkeyRandom& random, MonkeyProgram& program) {
    if (focused_gadget() != charsetView || active_window() != mainWindow)
        return scriptKey(random, program.ui);
    const AppState& state = program.state;
    const Cell cursor = charsetCell(state.editor.currentChar());
    int column = cursor.column, row = cursor.row;
    std::vector<std::function<void()>> keys;
    std::string typed = "key burst:";
    for (int count = random.between(2, 12); count > 0; --count) {
        if (random.chance(20)) {
            for (int i = 0; i < 2; ++i) {
                keys.push_back([] { shortcut_key(mainWindow, 'I', modifier_control); });
                keys.push_back([] { canvas_key(charsetView, 'I', false, modifier_control); });
            }
            typed += " Ctrl+I Ctrl+I";
            continue;
        }
        const int first = random.pick<int>({vk_left, vk_up, vk_right, vk_down});
        const int second = random.pick<int>({vk_left, vk_up, vk_right, vk_down});
        for (const int key : {first, second}) {
            column += key == vk_left ? -1 : key == vk_right ? 1 : 0;
            row += key == vk_up ? -1 : key == vk_down ? 1 : 0;
            keys.push_back([key] { canvas_key(charsetView, key, true, 0); });
            typed += " " + text(key);
        }
        keys.push_back([first] { canvas_key(charsetView, first, false, 0); });
        keys.push_back([second] { canvas_key(charsetView, second, false, 0); });
    }
    program.ui.run([keys] {
        for (const auto& key : keys) key();
    });
    const Charset glyphs = state.editor.document().charset;
    program.expectedOutcome = [&state, glyphs, column = column & 15, row = row & 15] {
        if (charsetCell(state.editor.currentChar()).column != column ||
            charsetCell(state.editor.currentChar()).row != row)
            return std::string("keys of a burst were lost: the cursor is not where they lead");
        return std::string(
            state.editor.document().charset == glyphs ? "" : "Ctrl+I in pairs changed the glyphs");
    };
    return typed;
}

// A pen key on the charset view, which must choose that pen.
std::string scriptPen(MonkeyRandom& random, MonkeyProgram& program) {
    if (focused_gadget() != charsetView || active_window() != mainWindow)
        return scriptKey(random, program.ui);
    const int pen = random.between(0, 3);
    program.ui.press_key('1' + pen);
    program.ui.release_key('1' + pen);
    program.expectedOutcome = [&state = program.state, pen] {
        return state.editor.document().pen == pen ? std::string()
                                                  : "the pen is not the one its key chose";
    };
    return "pen key " + text(pen + 1);
}

std::string scriptEnd(MonkeyRandom& random, HeadlessBinding& ui) {
    if (random.chance(50)) {
        ui.press_key(vk_escape);
        return "Escape";
    }
    ui.request_close(mainWindow);
    return "close the main window";
}

} // namespace

std::string scriptRandomInput(MonkeyRandom& random, MonkeyProgram& program, ScratchFolder& folder) {
    HeadlessBinding& ui = program.ui;
    // Weights in thousandths, roughly: mostly the mouse, then keys and menus; the end is rare.
    switch (random.weighted({610, 145, 15, 70, 135, 40, 13, 5, 3, 1, 12, 6, 30})) {
    case 0:
        return scriptMouse(random, ui);
    case 1:
        return scriptKey(random, ui);
    case 2:
        return scriptKeyBurst(random, program);
    case 3:
        return scriptGadget(random, ui);
    case 4:
        return scriptMenu(random, ui);
    case 5:
        return scriptDrop(random, program, folder);
    case 6:
        if (random.chance(30)) return scriptClipboard(random, ui);
        if (random.chance(30)) {
            const int milliseconds = random.between(0, 4000); // the session timer may run out
            ui.advance_time(milliseconds);
            return "time passes: " + text(milliseconds) + " ms";
        }
        return scriptWindow(random, ui);
    case 7:
        return scriptExtremeInput(random, ui);
    case 8:
        return scriptTyping(random, program);
    case 9:
        return scriptEnd(random, ui);
    case 10:
        return scriptPen(random, program);
    case 11:
        if (random.chance(50)) return clickRandomSwatch(random, ui);
        return setRandomMachineColors(random, program);
    default:
        return scriptMapTyping(random, ui);
    }
}
