#include "machine_colors_change.h"

#include "app/menu_ids.h"
#include "app/refresh.h"
#include "app/session_commands.h"

std::string setRandomMachineColors(MonkeyRandom& random, MonkeyProgram& program) {
    MachineColors colors;
    for (uint8_t* c64 :
         {&colors.c64Background, &colors.c64Multi1, &colors.c64Multi2, &colors.c64Ink})
        *c64 = uint8_t(random.between(0, 15));
    for (uint8_t& atari : colors.atari) atari = uint8_t(random.between(0, 127) * 2);
    colors.spectrumAttribute = random.byte();
    AppState& state = program.state;
    state.editor.setMachineColors(colors);
    state.editor.recordStep();
    noteSessionChanges(state.session, state.editor);
    refresh(state);
    return "machine colours: C64 ink " + std::to_string(colors.c64Ink) + ", Spectrum attribute " +
           std::to_string(colors.spectrumAttribute);
}

std::string clickRandomSwatch(MonkeyRandom& random, toolkit::HeadlessBinding& ui) {
    ui.choose_menu_item(mainWindow, colorsWindowId);
    const int row = random.between(0, colorRowCount - 1);
    const int x = random.between(-5, 520), y = random.between(-5, 30);
    ui.click_on_canvas(colorRowSwatches + row, toolkit::button_left, x, y);
    return "Colours window: click on row " + std::to_string(row) + " at (" + std::to_string(x) +
           ", " + std::to_string(y) + ")";
}
