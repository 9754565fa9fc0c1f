#include "app/help_commands.h"

#include "toolkit/requesters.h"

using namespace toolkit;

void showKeysAndMouse() {
    message_requester("Keys and mouse",
                      "Glyph editor: the left button sets pixels, the right button clears them; "
                      "hold a button and move to paint.\n"
                      "Charset view: click a glyph to edit it; drag a glyph onto another to swap "
                      "or copy it (Char > Drag mode); right-click for the range menu.\n"
                      "Arrow keys: move the current glyph. Insert: a blank glyph at the current "
                      "one. Delete: remove the current glyph.\n"
                      "Character map: the left button paints the current glyph into cells (and, "
                      "in a machine's colour mode, the painting colour; with Shift only the "
                      "colour); right-click to insert or delete a char, a line or a column.\n"
                      "Char > Map > Type text: a click on the map places the text cursor, keys "
                      "type the set's codes (Backspace, Return, arrows, Home, End, Delete), a "
                      "drag selects cells for Ctrl+X, Ctrl+C and Ctrl+V in the map window.\n"
                      "Multicolour modes: keys 1 to 4 choose the pen (00, 01, 10, 11) that the "
                      "left button paints on wide pixels; the right button paints 00.\n"
                      "Range: with the box beside the two sliders ticked, transforms, cut and "
                      "copy act on the whole range.\n"
                      "Ctrl+O open a file (a font, a picture of glyphs, a map, its colours or a "
                      "project; a file is read as what it holds), Ctrl+I invert, Ctrl+Z undo, "
                      "Ctrl+Shift+Z or Ctrl+Y redo, Ctrl+X cut, Ctrl+C copy, Ctrl+V paste (these "
                      "five in both windows).\n"
                      "Escape quits at once, asking nothing.",
                      message_ok);
}

void showAbout(const std::string& title) {
    message_requester("About gridlet",
                      title +
                          "\nAn editor for the 8 x 8 character sets of 8-bit home computers.\n"
                          "Free software under the MIT licence (the file LICENSE).\n"
                          "Built-in character sets, taken from the machines' own ROMs: IBM PC "
                          "character ROM 5788005 (CGA), code page 866 from the kbd console fonts, "
                          "Commodore 64 character ROM 901225-01, Atari XL/XE OS ROM, Sinclair ZX "
                          "Spectrum 48K and ZX80 ROMs, the Microsha character generator and the "
                          "Jupiter Ace ROM.",
                      message_ok);
}
